#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "ui/position_slider.h"

class QComboBox;
class QLineEdit;
class QWidget;
class SayoraMain;

// Keyboard and screen-reader access to the main window, added on top of its
// picture buttons without changing them:
//
// - shortcuts that act exactly as a click on their button (they emit the
//   button's clicked signal, so whatever the click does, the key does):
//   F5 Speak, F6 Pause, F7 and Escape Stop, Ctrl+O Open, Ctrl+S Save,
//   Ctrl+Home rewind while the text box does not have the focus (in the
//   text box Ctrl+Home stays its own), Ctrl+T font, Ctrl+B back colour, F8
//   show / hide the text box, F1 help, Ctrl+U update check; they work
//   wherever the focus is in the window, whatever the control there would
//   make of them;
// - the shortcut shown after the button's words when its tooltip appears
//   (the tooltip text itself is kept), and the voice's whole name under
//   the voice box's;
// - Tab and Shift+Tab through every control in reading order, the picture
//   buttons included, with the focus marked on the controls that show none
//   of their own; on the voice box the arrow keys choose a voice as on the
//   list, and Space, Enter or Alt+Down open the list; on the position
//   slider the arrows move a word and the Page keys a sentence;
// - every picture button a named, pressable button for screen readers, the
//   playback buttons with their state (unavailable, engaged), and the
//   playback state and the end of an export (the completion window
//   `mp3end` appearing) announced through accessibility events.
//
// Lives on the window thread as a child of the window.
class KeyboardAccess : public QObject
{
    Q_OBJECT
public:
    // Sets everything up for a window whose widgets exist.
    static KeyboardAccess *install(SayoraMain *window);

    // Tells a screen reader what just happened ("Export done"): the window's
    // accessible description becomes the text, with a change event.
    void announce(const QString &text);

    // The playback state as announced: "Speaking", "Paused" or "Stopped".
    QString playbackState() const { return m_state; }

    // The shortcut shown for a widget (empty when it has none).
    static QString shortcutText(const QWidget *widget);

signals:
    // Raised with each announcement, beside the accessibility event.
    void announced(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit KeyboardAccess(SayoraMain *window);
    void addShortcut(QWidget *button, const QList<QKeySequence> &keys);
    void setUpFocus();
    int stepInText(int from, PositionSlider::Step step) const;
    bool windowKeyOverride(QObject *watched, QEvent *event);
    void focusChanged(QWidget *old, QWidget *now);
    void watchPlayback();
    void playbackMaybeChanged();
    bool voiceFaceKey(QEvent *event);
    bool textBoxKey(QEvent *event);
    void textBoxMoved();
    bool parameterBarKey(QObject *watched, QEvent *event);

    SayoraMain *m_window;
    QLineEdit *m_voiceFace = nullptr;
    QWidget *m_voiceArrow = nullptr;
    QComboBox *m_voiceList = nullptr;
    QObject *m_textBox = nullptr;
    Qt::FocusPolicy m_textBoxFocus = Qt::StrongFocus;
    QList<QObject *> m_bars;
    QPointer<QWidget> m_focusBeforeList;
    QString m_state;
};
