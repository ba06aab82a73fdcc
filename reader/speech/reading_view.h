#pragma once

#include "speech/playback_state.h"

#include <QObject>
#include <QString>

// What speech sees of the window: the text it reads and highlights, the
// voice list, the voice parameter bars, the position slider and the three
// playback buttons. The window implements it over its widgets; the speech
// controller talks to this and never to a widget. What the user does there
// arrives as the signals below.
class ReadingView : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~ReadingView() override;

    // The text, with positions in UTF-16 units.
    virtual QString text() const = 0;
    virtual qint64 textLength() const = 0;
    // The caret: the start of the selection.
    virtual qint64 caretPosition() const = 0;
    // Selects from `start` to `end` (the caret at `start` when equal).
    virtual void select(qint64 start, qint64 end) = 0;
    // Scrolls the caret into the middle of the view.
    virtual void centerCaret() = 0;

    // The position slider.
    virtual int sliderValue() const = 0;
    virtual int sliderMaximum() const = 0;
    // The user holds its thumb.
    virtual bool sliderHeld() const = 0;
    virtual void setSliderMaximum(int maximum) = 0;
    virtual void setSliderValue(int value) = 0;
    virtual void setSliderEnabled(bool enabled) = 0;

    // The voice list; each entry carries its engine generation. Changes
    // made here raise no voiceChosen().
    virtual void addVoice(const QString &name, int engine) = 0;
    virtual int voiceCount() const = 0;
    virtual QString voiceName(int position) const = 0;
    // The engine generation of an entry; *ok is false when it has none.
    virtual int voiceEngine(int position, bool *ok) const = 0;
    // The selected entry, -1 for none.
    virtual int voicePosition() const = 0;
    virtual void setVoicePosition(int position) = 0;
    // The name the list shows.
    virtual QString shownVoiceName() const = 0;
    // Shows a voice's name on the list's face and as its tooltip.
    virtual void showVoiceName(const QString &name) = 0;
    // Drops the list down, at least `minimumWidth` wide (0: the box's width).
    virtual void openVoiceList(int minimumWidth) = 0;

    // The parameter bars (0 … 100) and the values shown beside them. Setting
    // a bar to a new value raises its ...Moved() signal like the user would.
    virtual void setRatePosition(int position) = 0;
    virtual void setPitchPosition(int position) = 0;
    virtual void showVolume(int value) = 0;
    virtual void showRate(int value) = 0;
    virtual void showPitch(int value) = 0;

    // Shows the playback buttons as the reading's state makes them.
    virtual void showPlayback(PlaybackState state) = 0;

signals:
    void textChanged();
    // The user chose an entry of the voice list.
    void voiceChosen();
    void volumeMoved(int position);
    void rateMoved(int position);
    void pitchMoved(int position);
    // The user pressed, moved or released the slider's thumb.
    void sliderPressed();
    void sliderMoved();
    void sliderReleased();
    // A key went down in the text; `toStart` for the key that goes to the
    // start of the text.
    void textKeyPressed(bool toStart);
    void textKeyReleased();
    // The left button went down in the text; the caret has not moved yet.
    void textPressed();
};
