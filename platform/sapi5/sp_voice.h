#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>

class SpFileStream;

// A voice token: one installed espeak-ng voice (language voice or variant).
class SpObjectToken
{
public:
    SpObjectToken() = default;
    SpObjectToken(QString id, QString description, QString language);

    // Readable display name, e.g. "English (America)"; locale is ignored.
    QString GetDescription(int locale = 0) const;
    QString Id() const;        // what espeak-ng knows the voice by, e.g. "en-us"
    QString Language() const;
    bool isNull() const;
    bool operator==(const SpObjectToken &other) const;

private:
    QString m_id;
    QString m_description;
    QString m_language;
};

// The SAPI 5 voice object over espeak-ng. Commands return at once; events are
// raised on the GUI thread when the audio sink plays the matching sample
// (or, with a file stream as output, as the audio is written).
//
// espeak-ng is one global instance: all SpVoice objects share one synthesis
// thread and take turns sentence by sentence.
class SpVoice : public QObject
{
    Q_OBJECT
public:
    enum SpeechVoiceSpeakFlags { SVSFDefault = 0, SVSFlagsAsync = 1, SVSFPurgeBeforeSpeak = 2 };

    explicit SpVoice(QObject *parent = nullptr);
    ~SpVoice() override;

    // False when espeak-ng could not be initialised: the object must not be
    // used then (the reader treats it as "no SAPI 5").
    bool isValid() const;
    QString errorString() const;

    // All installed voices, in a stable order: language voices first, then
    // variants. The attribute texts are accepted and ignored (the reader
    // passes two empty texts).
    QList<SpObjectToken> GetVoices(const QString &requiredAttributes = {},
                                   const QString &optionalAttributes = {}) const;

    SpObjectToken Voice() const;
    void setVoice(const SpObjectToken &token);

    // -10 … 10; 0 is espeak-ng's normal speed, ±10 about three times
    // faster / slower within what espeak-ng honours (80 … 450 wpm).
    // Speech playing aloud takes a new rate from its next word on, in the
    // same stream (no new StartStream or EndStream).
    long Rate() const;
    void setRate(long rate);
    // 0 … 100.
    long Volume() const;
    void setVolume(long volume);

    // Queues text (flag SVSFlagsAsync returns at once; without it the call
    // waits until the speech has ended). SVSFPurgeBeforeSpeak first drops
    // every queued and playing speech, raising its EndStream; with an empty
    // text that is all it does. Returns the new stream number (0 when
    // nothing was queued).
    long Speak(const QString &text, int flags = SVSFDefault);
    void Pause();
    void Resume();

    // nullptr sends speech to the speakers again. The stream must be open.
    void setAudioOutputStream(SpFileStream *stream);
    SpFileStream *AudioOutputStream() const;

    // Waits (running the event loop) until all queued speech has ended;
    // -1 means no limit. Returns false on timeout.
    bool WaitUntilDone(long msTimeout);

    // Why the voice cannot speak (its data cannot be loaded), else empty.
    QString loadError(const SpObjectToken &token) const;

    // Sample rate of the PCM this voice produces.
    int sampleRate() const;
    // True from Speak until the last queued speech has ended.
    bool isSpeaking() const;

signals:
    void StartStream(long streamNumber, const QVariant &streamPosition);
    // characterPosition: UTF-16 offset of the word in the text handed to
    // Speak; length: the word's length in UTF-16 units.
    void Word(long streamNumber, const QVariant &streamPosition,
              qint64 characterPosition, qint64 length);
    void EndStream(long streamNumber, const QVariant &streamPosition);
    // The voice could not be loaded: the stream ends without its speech
    // (EndStream follows), never spoken by another voice.
    void VoiceFailed(long streamNumber, const QString &why);
    // The first sample of a stream went to the audio sink (for measuring
    // how quickly speech starts; heard one device buffer later).
    void firstSampleQueued();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// A RIFF WAV file that a voice speaks into.
class SpFileStream : public QObject
{
    Q_OBJECT
public:
    enum SpeechStreamFileMode { SSFMOpenForRead = 0, SSFMOpenReadWrite = 1, SSFMCreate = 2, SSFMCreateForWrite = 3 };

    explicit SpFileStream(QObject *parent = nullptr);
    ~SpFileStream() override;  // closes

    // Only mode 3 (create for writing) is supported. Returns false with
    // errorString() set when the file cannot be created.
    bool Open(const QString &fileName, int mode = SSFMCreateForWrite, bool doEvents = false);
    // Completes the header with the real sizes and closes the file.
    bool Close();
    bool isOpen() const;
    QString fileName() const;
    QString errorString() const;

    // Used by the voice: sets the format on first write.
    bool writePcm(const QByteArray &pcm, int sampleRate);
    qint64 bytesWritten() const;  // PCM bytes written so far

private:
    struct Private;
    std::unique_ptr<Private> d;
};
