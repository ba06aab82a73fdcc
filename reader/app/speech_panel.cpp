#include "app/speech_panel.h"

#include "ui/image_button.h"
#include "ui/position_slider.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextCursor>

#include <algorithm>

SpeechPanel::SpeechPanel(const SpeechWidgets &widgets, QObject *parent)
    : ReadingView(parent)
    , w(widgets)
{
    connect(w.Combo1, &QComboBox::activated, this, &ReadingView::voiceChosen);
    connect(w.VScroll1, &QScrollBar::valueChanged, this, &ReadingView::volumeMoved);
    connect(w.VScroll2, &QScrollBar::valueChanged, this, &ReadingView::rateMoved);
    connect(w.VScroll3, &QScrollBar::valueChanged, this, &ReadingView::pitchMoved);
    connect(w.MainTxtBox, &QPlainTextEdit::textChanged, this, &ReadingView::textChanged);
    connect(w.cpvSlider1, &PositionSlider::userMoved, this, &ReadingView::sliderMoved);
    connect(w.cpvSlider1, &PositionSlider::userPressed, this, &ReadingView::sliderPressed);
    connect(w.cpvSlider1, &PositionSlider::userReleased, this, &ReadingView::sliderReleased);
    w.MainTxtBox->installEventFilter(this);
    w.MainTxtBox->viewport()->installEventFilter(this);
}

SpeechPanel::~SpeechPanel() = default;

QString SpeechPanel::text() const
{
    return w.MainTxtBox->toPlainText();
}

qint64 SpeechPanel::textLength() const
{
    return w.MainTxtBox->document()->characterCount() - 1;
}

qint64 SpeechPanel::caretPosition() const
{
    return w.MainTxtBox->textCursor().selectionStart();
}

void SpeechPanel::select(qint64 start, qint64 end)
{
    QTextCursor cursor(w.MainTxtBox->document());
    cursor.setPosition(int(start));
    if (end != start)
        cursor.setPosition(int(end), QTextCursor::KeepAnchor);
    w.MainTxtBox->setTextCursor(cursor);
    keepFollowingLinesInView();
}

void SpeechPanel::keepFollowingLinesInView()
{
    // The text box alone scrolls the selection's end just into view, on the
    // last line, with what follows cut off: two more lines stay visible,
    // and the view moves no more lines than that takes.
    constexpr int followingLines = 2;
    QPlainTextEdit *box = w.MainTxtBox;
    const int line = box->fontMetrics().lineSpacing();
    const int visible = box->viewport()->height();
    if (line <= 0 || visible < (followingLines + 2) * line)
        return;
    QScrollBar *bar = box->verticalScrollBar();
    // Larger headings make some lines taller than the text's: look again
    // after each move.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int wanted = box->cursorRect().bottom() + followingLines * line;
        if (wanted <= visible || bar->value() >= bar->maximum())
            return;
        bar->setValue(bar->value() + (wanted - visible + line - 1) / line);
    }
}

void SpeechPanel::centerCaret()
{
    w.MainTxtBox->centerCursor();
}

int SpeechPanel::sliderValue() const
{
    return w.cpvSlider1->value();
}

int SpeechPanel::sliderMaximum() const
{
    return w.cpvSlider1->maximum();
}

bool SpeechPanel::sliderHeld() const
{
    return w.cpvSlider1->isHeld();
}

void SpeechPanel::setSliderMaximum(int maximum)
{
    w.cpvSlider1->setMaximum(maximum);
}

void SpeechPanel::setSliderValue(int value)
{
    w.cpvSlider1->setValue(value);
}

void SpeechPanel::setSliderEnabled(bool enabled)
{
    w.cpvSlider1->setEnabled(enabled);
}

void SpeechPanel::addVoice(const QString &name, int engine)
{
    const QSignalBlocker blocker(w.Combo1);
    w.Combo1->addItem(name, engine);
}

int SpeechPanel::voiceCount() const
{
    return w.Combo1->count();
}

QString SpeechPanel::voiceName(int position) const
{
    return w.Combo1->itemText(position);
}

int SpeechPanel::voiceEngine(int position, bool *ok) const
{
    return w.Combo1->itemData(position).toInt(ok);
}

int SpeechPanel::voicePosition() const
{
    return w.Combo1->currentIndex();
}

void SpeechPanel::setVoicePosition(int position)
{
    const QSignalBlocker blocker(w.Combo1);
    w.Combo1->setCurrentIndex(position);
}

QString SpeechPanel::shownVoiceName() const
{
    return w.Combo1->currentText();
}

void SpeechPanel::showVoiceName(const QString &name)
{
    w.Combo1->setToolTip(name);
    w.Text1->setText(name);
    w.Text1->home(false);  // show the start of a long name
}

void SpeechPanel::openVoiceList(int minimumWidth)
{
    // The drop-down is never narrower than the closed box, and wide enough
    // for the longest name whole, whatever the font makes of the width rule.
    QAbstractItemView *list = w.Combo1->view();
    const int names = list->sizeHintForColumn(0) + 2 * list->frameWidth()
                      + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    list->setMinimumWidth(std::max(minimumWidth, names));
    w.Combo1->setFocus(Qt::OtherFocusReason);
    w.Combo1->showPopup();
}

void SpeechPanel::setRatePosition(int position)
{
    w.VScroll2->setValue(position);
}

void SpeechPanel::setPitchPosition(int position)
{
    w.VScroll3->setValue(position);
}

void SpeechPanel::showVolume(int value)
{
    w.Label1->setText(QString::number(value));
}

void SpeechPanel::showRate(int value)
{
    w.Label5->setText(QString::number(value));
}

void SpeechPanel::showPitch(int value)
{
    w.Label3->setText(QString::number(value));
}

namespace {

// The pictures' file names carry each button's state number: Speak 2 ready,
// 3 speaking; Pause 1 unavailable, 2 available, 3 paused; Stop 1
// unavailable, 2 available. 0 is a button's hover picture, shown only while
// it is available (2). This is the one place these numbers exist.
struct ButtonNumbers
{
    int play;
    int pause;
    int stop;
};

ButtonNumbers buttonNumbers(PlaybackState state)
{
    switch (state) {
    case PlaybackState::Speaking:
        return {3, 2, 2};
    case PlaybackState::Paused:
        return {2, 3, 2};
    case PlaybackState::Idle:
        break;
    }
    return {2, 1, 1};
}

QString picture(const QString &base, int number, bool hovered)
{
    constexpr int available = 2;
    constexpr int hover = 0;
    return QStringLiteral("%1%2.bmp").arg(base).arg(hovered && number == available ? hover : number);
}

}  // namespace

void SpeechPanel::showPlayback(PlaybackState state)
{
    showPlaybackHover(state, nullptr);
}

void SpeechPanel::showPlaybackHover(PlaybackState state, const QObject *hovered)
{
    const ButtonNumbers numbers = buttonNumbers(state);
    w.Image4->setPicture(picture(QStringLiteral("play"), numbers.play, hovered == w.Image4));
    w.Image5->setPicture(picture(QStringLiteral("Pause"), numbers.pause, hovered == w.Image5));
    w.Image6->setPicture(picture(QStringLiteral("Stop"), numbers.stop, hovered == w.Image6));
}

bool SpeechPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched == w.MainTxtBox) {
        const auto *key = static_cast<QKeyEvent *>(event);
        emit textKeyPressed(key->matches(QKeySequence::MoveToStartOfDocument));
    } else if (event->type() == QEvent::KeyRelease && watched == w.MainTxtBox) {
        emit textKeyReleased();
    } else if (event->type() == QEvent::MouseButtonPress && watched == w.MainTxtBox->viewport()) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            emit textPressed();
    }
    return ReadingView::eventFilter(watched, event);
}
