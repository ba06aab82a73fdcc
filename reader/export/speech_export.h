#pragma once

#include "export/growing_wave_encoder.h"
#include "export/sound_file_commit.h"
#include "speech/file_voice.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class QFile;

// A text spoken into a sound file, with no widget: rendered by the voice's
// own engine (its FileVoice::Rendering) into a temporary WAV beside the
// target, checked, encoded, checked again and put in the target's place
// only once complete (see SoundFileCommit for the files). An MP3 is
// encoded by the lame program once the WAV is whole, or, given
// encodeWhileRendering(), in this process as the voice renders. Everything
// runs in the event loop, driven by the engines' and the encoder's
// signals; nothing here waits. finished() comes once, whatever the
// outcome, and the temporaries are gone by then.
//
//   prepare() → render() or (someone else writes tmpWav()) renderingDone()
//             → encoderStarted() → finished()
class SpeechExport : public QObject
{
    Q_OBJECT
public:
    // Encoded: a file of the kind the sink of encodeWhileRendering()
    // makes, whose checks are the sink's own.
    enum class Format { Mp3, Wav, Encoded };

    // A part of a text read by a voice of its own; offset: where it stands
    // in the whole text.
    struct Run
    {
        qsizetype offset = 0;
        QString text;
        FileVoice voice;
    };

    explicit SpeechExport(QObject *parent = nullptr);
    ~SpeechExport() override;

    // Creates the temporaries beside target. False with errorString() when
    // its folder cannot take them; finished() does not follow then.
    bool prepare(const QString &target, Format format = Format::Mp3);
    void setTags(const SoundFileCommit::Tags &tags) { m_files.setTags(tags); }
    // The MP3's constant bit rate in kbit/s; 0: the encoder's default.
    void setBitrate(int kbps) { m_files.setBitrate(kbps); }
    void setDurable(bool durable) { m_files.setDurable(durable); }
    // Before render(): the sound is encoded in this process while the voice
    // renders it, by the sink made for the temporary encoded file, instead
    // of by lame once the WAV is whole (the window's own MP3 export, whose
    // timers watch the encoder). The converter's way: the encoding is done
    // nearly as soon as the rendering is.
    using SinkMaker = std::function<std::unique_ptr<GrowingWaveEncoder::Sink>(const QString &path)>;
    void encodeWhileRendering(const SinkMaker &make) { m_makeSink = make; }
    // A rendering whose WAV stops growing for this long is given up; 0:
    // never (the default).
    void setStallSeconds(int seconds) { m_stallSeconds = seconds; }

    // Renders text with voice into tmpWav(), then goes on by itself.
    void render(const QString &text, const FileVoice &voice);
    // Renders the runs one after the other, each with its voice, into one
    // tmpWav() at sampleRate (0: the first run's; other voices' sound is
    // resampled), then goes on by itself. word() positions are in the whole
    // text: a run's offset plus the position in its text.
    void render(const QList<Run> &runs, int sampleRate = 0);
    // For a rendering made by someone else into tmpWav(): it is complete,
    // go on with the WAV's check and the encoder.
    void renderingDone();
    // Stops whatever runs and removes the temporaries; finished(false) with
    // no error follows at once.
    void cancel();

    bool running() const { return m_running; }
    QString target() const { return m_files.target(); }
    QString tmpWav() const { return m_files.tmpWav(); }
    QString tmpEncoded() const { return m_files.tmpEncoded(); }
    // 0 … 1 of the text rendered (by render()), and of the MP3 encoded.
    double rendered() const { return m_rendered; }
    double encoded() const;
    bool encoderRunning() const;
    // The duration of the rendered speech, once it is checked.
    double waveSeconds() const { return m_files.waveSeconds(); }
    QString errorString() const { return m_error; }

signals:
    void progressed(double rendered);
    // A word of the rendered text began at position (UTF-16) and after so
    // many seconds of its sound: for subtitles.
    void word(qint64 position, double seconds);
    void encoderStarted();
    // ok: the target holds the speech, and error is what the user should
    // still know (see SoundFileCommit::notice()), mostly empty. Otherwise error
    // says why, empty when the export was cancelled.
    void finished(bool ok, const QString &error);

private:
    void startRun();
    bool appendRun(QString *why);
    bool finishJoined(QString *why);
    void startRendering(const FileVoice &voice);
    void wordAt(qint64 position, qint64 audioBytes);
    void checkStall();
    void stopRendering();
    void encoderDone();
    void startFollowing(int sampleRate);
    void stopFollowing();
    void followerDone(const QString &error);
    void fail(const QString &why);
    void succeed();

    SoundFileCommit m_files;
    SinkMaker m_makeSink;
    GrowingWaveEncoder *m_follower = nullptr;
    bool m_renderingComplete = false;
    bool m_encodedHere = false;  // by the sink, completely
    Format m_format = Format::Mp3;
    QString m_text;  // the text being rendered: the whole, or a run's
    QString m_renderPath;  // where the engine writes: tmpWav(), or a run's file
    // Rendering run by run: the runs, the one rendering (-1: one text),
    // and the joined sound written so far.
    QList<Run> m_runs;
    qsizetype m_runIndex = -1;
    qsizetype m_runOffset = 0;
    qsizetype m_wholeLength = 0;
    std::unique_ptr<QFile> m_joined;
    int m_joinedRate = 0;
    qint64 m_joinedBytes = 0;
    bool m_running = false;
    std::unique_ptr<FileVoice::Rendering> m_rendering;
    double m_bytesPerSecond = 32000;
    double m_rendered = 0;
    int m_stallSeconds = 0;
    QTimer m_stallTimer;
    qint64 m_lastSize = -1;
    QElapsedTimer m_sinceGrowth;
    QString m_error;
};
