#pragma once

#include <QObject>
#include <QString>
#include <memory>

// The SAPI 4 direct text-to-speech object over flite. Engines (voices) are
// numbered from 1. Commands return at once; the notifications are raised on
// the GUI thread against the audio sink's play clock.
//
// Speed is in words per minute and pitch in Hz, each with per-engine limits
// chosen so that the whole range is audible. The two volume values run from
// 0 to 65535. Speech playing on the current engine takes a new speed or
// pitch from its next word on, without a stop and a start.
class DirectSS : public QObject
{
    Q_OBJECT
public:
    explicit DirectSS(QObject *parent = nullptr);
    ~DirectSS() override;

    int CountEngines() const;
    // Readable name, e.g. "Flite SLT (US English, female)"; empty when out of range.
    QString ModeName(int index) const;
    int CurrentMode() const;
    // Out-of-range indices are ignored.
    void setCurrentMode(int index);
    // Best engine for an attribute text of "key=value;" pairs (Mfg, Gender
    // with 1 female / 2 male, Language, Age, Style, ModeName, Speaker):
    // the engine matching the most pairs; ties go to the lowest index.
    // Returns 0 when there are no engines.
    int Find(const QString &attributes) const;

    int Speed() const;
    void setSpeed(int wordsPerMinute);  // clamped into MinSpeed … MaxSpeed
    int MaxSpeed() const;
    int MinSpeed() const;
    int Pitch() const;
    void setPitch(int hertz);           // clamped into MinPitch … MaxPitch
    int MaxPitch() const;
    int MinPitch() const;

    int VolumeLeft() const;
    void setVolumeLeft(int volume);     // 0 … 65535
    int VolumeRight() const;
    void setVolumeRight(int volume);

    // Queues text after anything already queued.
    void Speak(const QString &text);
    void AudioPause();
    void AudioResume();
    // Stops and discards all queued speech; raises AudioStop if audio was
    // playing or queued.
    void AudioReset();

    int sampleRate() const;  // of the current engine

signals:
    void AudioStart(int hi, int lo);
    void AudioStop(int hi, int lo);
    // byteOffset: 2 × the UTF-16 offset of the word in the text handed to Speak.
    void WordPosition(int hi, int lo, qint64 byteOffset);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
