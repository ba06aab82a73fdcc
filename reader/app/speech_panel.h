#pragma once

#include "speech/reading_view.h"

class ImageButton;
class PositionSlider;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollBar;

// The window's widgets that speech reads and drives. The window owns them.
struct SpeechWidgets
{
    QPlainTextEdit *MainTxtBox = nullptr;
    QComboBox *Combo1 = nullptr;          // the voice list
    QLineEdit *Text1 = nullptr;           // the voice list's face
    ImageButton *Image4 = nullptr;        // speak
    ImageButton *Image5 = nullptr;        // pause
    ImageButton *Image6 = nullptr;        // stop
    QScrollBar *VScroll1 = nullptr;       // volume
    QScrollBar *VScroll2 = nullptr;       // rate
    QScrollBar *VScroll3 = nullptr;       // pitch
    QLabel *Label1 = nullptr;             // volume value
    QLabel *Label5 = nullptr;             // rate value
    QLabel *Label3 = nullptr;             // pitch value
    PositionSlider *cpvSlider1 = nullptr; // position in the text
};

// The reading view over the window's widgets: the one place that turns
// speech's requests into widget calls and the widgets' signals and events
// into the view's signals. Lives on the window thread, beside the widgets;
// it owns none of them.
class SpeechPanel : public ReadingView
{
    Q_OBJECT
public:
    explicit SpeechPanel(const SpeechWidgets &widgets, QObject *parent = nullptr);
    ~SpeechPanel() override;

    QString text() const override;
    qint64 textLength() const override;
    qint64 caretPosition() const override;
    void select(qint64 start, qint64 end) override;
    void centerCaret() override;

    int sliderValue() const override;
    int sliderMaximum() const override;
    bool sliderHeld() const override;
    void setSliderMaximum(int maximum) override;
    void setSliderValue(int value) override;
    void setSliderEnabled(bool enabled) override;

    void addVoice(const QString &name, int engine) override;
    int voiceCount() const override;
    QString voiceName(int position) const override;
    int voiceEngine(int position, bool *ok) const override;
    int voicePosition() const override;
    void setVoicePosition(int position) override;
    QString shownVoiceName() const override;
    void showVoiceName(const QString &name) override;
    void openVoiceList(int minimumWidth) override;

    void setRatePosition(int position) override;
    void setPitchPosition(int position) override;
    void showVolume(int value) override;
    void showRate(int value) override;
    void showPitch(int value) override;

    void showPlayback(PlaybackState state) override;
    // The playback button under the pointer shows its hover picture where
    // its state offers a click; the other two their normal pictures.
    // Another widget than the three: all three normal.
    void showPlaybackHover(PlaybackState state, const QObject *hovered);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void keepFollowingLinesInView();

    SpeechWidgets w;
};
