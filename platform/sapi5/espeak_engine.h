#pragma once

#include "audio/speech_player.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

class QThread;

// One voice espeak-ng offers.
struct EspeakVoiceInfo
{
    QString id;           // unique: language code, or identifier where codes repeat; "+variant" for variants
    QString espeakName;   // what espeak_SetVoiceByName is given: the voice's file, "+variant"
    QString description;  // readable, e.g. "English (America)"
    QString language;     // e.g. "en-us"
};

// One piece of text to synthesize. The job is dropped (or aborted mid-way)
// as soon as *generation no longer equals expectedGeneration.
struct SynthRequest
{
    quint64 job = 0;
    std::shared_ptr<std::atomic<quint64>> generation;
    quint64 expectedGeneration = 0;
    QString espeakName;
    int wordsPerMinute = 175;
    QString text;
};

// espeak-ng is one global instance that crashes when called from two threads,
// so every call goes to one worker thread owned by this process-wide engine.
// Lives on the GUI thread; its signals are emitted from the worker and reach
// GUI-thread receivers queued.
class EspeakEngine : public QObject
{
    Q_OBJECT
public:
    // Created (and espeak-ng initialised) on first use; shut down when the
    // application object goes away.
    static EspeakEngine *instance();

    bool isValid() const;
    QString errorString() const;
    int sampleRate() const;
    const QList<EspeakVoiceInfo> &voices() const;

    // Loads the voice as a job would; why it cannot be, else empty. Waits
    // for the jobs queued before.
    QString loadError(const QString &espeakName);

    quint64 newJobId();
    // Queues a job on the worker thread; jobs run in the order queued.
    void synthesize(const SynthRequest &request);

signals:
    // Audio as the synthesizer makes it. Marks: samples relative to pcm,
    // text positions and lengths in UTF-16 units of the request's text.
    void audio(quint64 job, const QByteArray &pcm, const QList<WordMark> &marks);
    // The job's voice cannot be loaded: nothing is spoken (jobDone follows).
    void voiceFailed(quint64 job, const QString &why);
    // completed is false when the job was cancelled or espeak-ng failed.
    void jobDone(quint64 job, bool completed);

private:
    EspeakEngine();
    ~EspeakEngine() override;
    static void shutdown();

    class Worker;
    QThread *m_thread = nullptr;
    Worker *m_worker = nullptr;
    bool m_valid = false;
    QString m_error;
    int m_sampleRate = 22050;
    QList<EspeakVoiceInfo> m_voices;
    std::atomic<quint64> m_nextJob{1};
};
