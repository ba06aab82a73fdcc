#pragma once

#include <QObject>
#include <QString>
#include <atomic>

class QThread;

// A worker's rendered WAV encoded into an audiobook part (AAC in MP4, see
// M4bWriter) on a thread of its own, so that an interrupt is still heard
// meanwhile: the parts of a book are encoded by the workers that render
// them, all at once, and only joined afterwards. The WAV is removed once it
// is encoded; finished() comes once unless stop() came first.
class PartEncoder : public QObject
{
    Q_OBJECT
public:
    explicit PartEncoder(QObject *parent = nullptr);
    ~PartEncoder() override;

    // kbps: the AAC bit rate; 0: M4bWriter's default.
    void start(const QString &wave, const QString &part, int kbps);
    // Ends the encoding and waits for its thread; the part is left
    // unfinished for its owner to remove.
    void stop();
    // 0 … 1 of the WAV encoded.
    double progress() const { return m_progress; }

signals:
    // error: why the part could not be made; empty on success.
    void finished(const QString &error);

private:
    static QString encode(const QString &wave, const QString &part, int kbps, const std::atomic<bool> &stop,
                          std::atomic<double> &progress);

    QThread *m_thread = nullptr;
    QString m_error;
    std::atomic<bool> m_stop = false;
    std::atomic<double> m_progress = 0;
};
