#pragma once

#include <QObject>
#include <QString>

// A voice that reads aloud, whatever engine speaks. Commands return at once;
// the signals come on the window thread as the speech is heard. The reader
// drives every engine through this, so its reading, pausing and
// highlighting are written once; each engine fills its own gaps in its own
// class (Sapi4Voice over flite, Sapi5Voice over espeak-ng), which also
// describes its voices for a sound file (FileVoice). Another family of
// voices plugs in here.
class SpeakingVoice : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~SpeakingVoice() override;

    // Queues text after whatever is queued.
    virtual void speak(const QString &text) = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    // Drops the queued and playing speech, paused or not; ended() follows
    // for speech that was under way. Does nothing when the voice is idle.
    virtual void stop() = 0;
    // The engine may report an end of speech while it is paused, which is
    // no end of the speech.
    virtual bool mayEndWhilePaused() const = 0;

    // Volume, rate and pitch as the panel's bars give them, 0 … 100, on the
    // engine's own scales.
    virtual void setVolume(int position) = 0;
    virtual void setRate(int position) = 0;
    virtual bool hasPitch() const = 0;
    virtual void setPitch(int position) = 0;

    // A voice of the same kind with an engine object of its own (a child of
    // the new voice): trials through it leave the reading as it is.
    virtual SpeakingVoice *twin(QObject *parent) const = 0;
    // Says text at once through twin (made by twin()), in this voice as it
    // is set now, dropping whatever twin was still saying.
    virtual void sayThrough(SpeakingVoice &twin, const QString &text) const = 0;

signals:
    // The first sound of a speech is heard.
    void started();
    // A word is heard: its UTF-16 position in the text handed to speak(),
    // and its length; unknownLength when the engine tells only where a word
    // starts.
    void word(qint64 position, qint64 length);
    // The speech has ended, by itself or by stop().
    void ended();

public:
    static constexpr qint64 unknownLength = -1;
};
