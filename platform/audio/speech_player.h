#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <memory>

class AudioSink;

// A word's place in a stream of speech: the sample at which it starts being
// heard and the word's span in the text that was spoken (UTF-16 units).
struct WordMark
{
    qint64 sample = 0;       // relative to the chunk in append(), absolute in wordReached()
    qint64 textPosition = 0;
    qint64 length = 0;
};

// Plays one stream of synthesized speech at a time (mono, signed 16-bit
// little-endian PCM) and owns the play clock: word marks are raised when the
// sink has played up to their sample, not when the synthesizer made them, so
// highlighting follows the sound. Lives on the GUI thread; every signal is
// raised there.
//
// Uses the default audio output device; when there is none (no sound server,
// no card) a null sink consumes audio at real-time pace from a monotonic
// clock, so every event still comes, in order and on time.
class SpeechPlayer : public QObject
{
    Q_OBJECT
public:
    // How long rate, speed and pitch changes must pause before the audio
    // made ahead is made again with them.
    static constexpr int remakeDelayMs = 100;

    explicit SpeechPlayer(QObject *parent = nullptr);
    ~SpeechPlayer() override;

    // Starts a new stream; a stream still playing is cancelled first.
    void begin(int sampleRate);
    // Queues audio and the marks that fall in it (marks' samples relative to
    // the start of this chunk; clamped into it).
    void append(const QByteArray &pcm, const QList<WordMark> &marks);
    // No more audio follows for this stream: finished() comes once the last
    // queued sample has been played.
    void finishInput();

    void pause();
    void resume();
    // Drops all queued audio at once and raises finished(true) if a stream
    // was active.
    void cancel();
    // Drops the audio not yet handed to the sink from the first word whose
    // start has not gone to the sink on, with that word's mark and all
    // later ones, so that the speech can be made again from there (with a
    // new rate, say) without a word heard twice or lost. Audio the sink
    // already holds still plays, and so does the rest of the word it ends
    // in. The stream stays active and its input is open again; nothing is
    // raised. Returns the text position of the first dropped mark, or -1
    // when no mark was dropped (then nothing was dropped at all).
    qint64 dropUnplayed();

    // 0.0 … 1.0, applied to audio handed to the sink from now on.
    void setVolume(double volume);
    double volume() const;

    bool isActive() const;        // between begin() and finished()
    bool isPaused() const;
    int sampleRate() const;
    qint64 playedSamples() const; // the play clock, in samples of this stream
    qint64 queuedSamples() const; // appended but not yet played
    qint64 appendedSamples() const; // everything appended to this stream (and kept)
    bool usesNullSink() const;
    // How much audio a sink of that kind holds ahead of what is heard, in ms:
    // the most that can still sound after a cancel.
    static int sinkBufferMs(bool nullSink);
    // True once the first sample of the current stream went to the sink.
    bool hasQueuedFirstSample() const;

    // Stops every player of the process without raising anything and
    // closes every audio output at once. For the end of the program, after
    // its event loop: Qt 6.4 tears down its PulseAudio engine in exit
    // handlers without the engine's lock, which can abort the process, so
    // the program then ends with std::_Exit.
    static void closeAllOutputs();

    // Forces the null sink for players created afterwards (also forced by the
    // environment variable SAYORA_AUDIO=null).
    static void setForceNullSink(bool force);

signals:
    void started();                       // the first sample is being played
    void wordReached(const WordMark &mark);
    void finished(bool cancelled);
    // Fewer than lowWaterMs milliseconds of audio are queued while input is
    // still open: the synthesizer should produce more.
    void needData();
    // The first sample of the stream was handed to the sink (it is heard
    // about one device buffer later, when started() comes).
    void firstSampleQueued();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

Q_DECLARE_METATYPE(WordMark)
