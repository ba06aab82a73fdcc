#include "speech/speech_controller.h"

#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "ui/image_button.h"
#include "ui/position_slider.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

SpeechController::SpeechController(const SpeechWidgets &widgets, QObject *parent)
    : QObject(parent)
    , w(widgets)
{
    DirectSS1 = new DirectSS(this);
    connect(DirectSS1, &DirectSS::AudioStart, this, &SpeechController::DirectSS1_AudioStart);
    connect(DirectSS1, &DirectSS::AudioStop, this, &SpeechController::DirectSS1_AudioStop);
    connect(DirectSS1, &DirectSS::WordPosition, this,
            [this](int, int, qint64 byteOffset) { DirectSS1_WordPosition(byteOffset); });

    connect(w.Combo1, &QComboBox::activated, this, [this] { selectVoice(); });
    connect(w.VScroll1, &QScrollBar::valueChanged, this, &SpeechController::volumeChanged);
    connect(w.VScroll2, &QScrollBar::valueChanged, this, &SpeechController::rateChanged);
    connect(w.VScroll3, &QScrollBar::valueChanged, this, &SpeechController::pitchChanged);
    connect(w.MainTxtBox, &QPlainTextEdit::textChanged, this, &SpeechController::textChanged);
    connect(w.cpvSlider1, &PositionSlider::userMoved, this, &SpeechController::sliderMoved);
    connect(w.cpvSlider1, &PositionSlider::userPressed, this, &SpeechController::sliderPressed);
    connect(w.cpvSlider1, &PositionSlider::userReleased, this, &SpeechController::sliderReleased);
    connect(w.cpvSlider1, &PositionSlider::pointerMoved, this, &SpeechController::sliderPointerMoved);
    w.MainTxtBox->installEventFilter(this);
    w.MainTxtBox->viewport()->installEventFilter(this);
    textChanged();
}

SpeechController::~SpeechController() = default;

// ---- state setters: one place that changes a state and shows its picture

void SpeechController::setPlayStatus(int status)
{
    PlayStatus = status;
    w.Image4->setPicture(QStringLiteral("play%1.bmp").arg(status));
}

void SpeechController::setPauseStatus(int status)
{
    PauseStatus = status;
    w.Image5->setPicture(QStringLiteral("Pause%1.bmp").arg(status));
}

void SpeechController::setStopStatus(int status)
{
    StopStatus = status;
    w.Image6->setPicture(QStringLiteral("Stop%1.bmp").arg(status));
}

// ---- text box helpers

qint64 SpeechController::caretPosition() const
{
    return w.MainTxtBox->textCursor().selectionStart();
}

void SpeechController::setCaretPosition(qint64 position)
{
    select(position, 0);
}

void SpeechController::select(qint64 start, qint64 length)
{
    // Like a text box's selection properties, positions beyond the text are
    // limited to its end.
    const qint64 end = TextLength;
    start = std::clamp<qint64>(start, 0, end);
    const qint64 stop = std::clamp<qint64>(start + length, start, end);
    QTextCursor cursor(w.MainTxtBox->document());
    cursor.setPosition(int(start));
    if (stop != start)
        cursor.setPosition(int(stop), QTextCursor::KeepAnchor);
    w.MainTxtBox->setTextCursor(cursor);
}

QString SpeechController::textFrom(qint64 position) const
{
    return w.MainTxtBox->toPlainText().mid(position);
}

void SpeechController::setSliderValue(qint64 value)
{
    w.cpvSlider1->setValue(int(std::clamp<qint64>(value, 0, w.cpvSlider1->maximum())));
}

bool SpeechController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched == w.MainTxtBox) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Ctrl+Home means the start even where the caret already is (after
        // a stop has put it there); other keys count when they move it.
        if (key->matches(QKeySequence::MoveToStartOfDocument) && PauseStatus != 3)
            m_readingPosition = 0;
        m_caretAtKeyPress = caretPosition();
    } else if (event->type() == QEvent::KeyRelease && watched == w.MainTxtBox) {
        const bool moved = m_caretAtKeyPress >= 0 && m_caretAtKeyPress != caretPosition();
        m_caretAtKeyPress = -1;
        caretMovedByUser();
        if (moved && PlayStatus == 2 && PauseStatus != 3)
            m_readingPosition = caretPosition();
    } else if (event->type() == QEvent::MouseButtonPress && watched == w.MainTxtBox->viewport()) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            // The caret moves after the press is handled: read it then.
            QMetaObject::invokeMethod(this, [this] {
                caretMovedByUser();
                if (PlayStatus == 2 && PauseStatus != 3)
                    m_readingPosition = caretPosition();
            }, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

