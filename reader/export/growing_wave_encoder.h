#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

class QThread;

// A WAV file that a voice is still writing, encoded as it grows, on a
// thread of its own: the encoder works on the sound already rendered while
// the voice renders the rest, so that one conversion keeps two cores busy
// and no encoding is left to do once the voice is done. Whoever writes the
// file says when it may have grown (grown(), cheap enough for every word)
// and when it is whole (complete()); only what is in the file is read, and
// the header, rewritten at the end, never is.
//
//   start() → grown()… → complete() → finished()
//
// finished() comes once, unless stop() came first.
class GrowingWaveEncoder : public QObject
{
    Q_OBJECT
public:
    // What the sound is encoded by: 16-bit mono PCM in, a file out. Used on
    // the encoder's thread only, from open() to finish().
    class Sink
    {
    public:
        virtual ~Sink();
        // Starts the file anew (again, should the sound's rate turn out to
        // be another one than expected).
        virtual bool open(int sampleRate) = 0;
        virtual bool write(const qint16 *samples, qsizetype count) = 0;
        virtual bool finish() = 0;
        virtual QString errorString() const = 0;
    };

    explicit GrowingWaveEncoder(QObject *parent = nullptr);
    ~GrowingWaveEncoder() override;

    // Follows wave, whose sound is expected at sampleRate (0: not known
    // before complete(), and nothing is encoded until then). The file must
    // exist.
    void start(const QString &wave, int sampleRate, std::unique_ptr<Sink> sink);
    // The file may have grown.
    void grown();
    // The file is whole: dataBytes of sound at sampleRate, after its
    // header. Sound encoded at another rate is encoded again.
    void complete(qint64 dataBytes, int sampleRate);
    // Ends the encoding and waits for its thread; the sink's file is left
    // unfinished for its owner to remove.
    void stop();
    bool running() const { return m_thread != nullptr; }

    // 0 … 1 of the sound encoded; until the file is complete, its length is
    // guessed from the share of the text rendered.
    double progress(double rendered) const;

signals:
    // error: why the sound could not be encoded; empty on success.
    void finished(const QString &error);

private:
    QString encode(const QString &wave, int sampleRate);

    std::unique_ptr<Sink> m_sink;
    QThread *m_thread = nullptr;
    QString m_error;

    // Between the writer's thread and the encoder's.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    quint64 m_growths = 0;
    qint64 m_completeBytes = -1;  // known once complete() has come
    int m_completeRate = 0;
    bool m_stop = false;

    std::atomic<qint64> m_encodedBytes = 0;
    std::atomic<qint64> m_seenBytes = 0;
    std::atomic<qint64> m_totalBytes = -1;
};
