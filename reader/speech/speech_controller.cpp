#include "speech/speech_controller.h"

#include "sapi4/direct_ss.h"
#include "speech/reading_view.h"
#include "speech/sapi4_voice.h"

#include <algorithm>

SpeechController::SpeechController(ReadingView &view, QObject *parent)
    : QObject(parent)
    , m_view(view)
{
    DirectSS1 = new DirectSS(this);
    m_sapi4Voice = new Sapi4Voice(DirectSS1, this);
    listen(m_sapi4Voice);

    connect(&m_view, &ReadingView::voiceChosen, this, [this] { selectVoice(); });
    connect(&m_view, &ReadingView::volumeMoved, this, &SpeechController::volumeChanged);
    connect(&m_view, &ReadingView::rateMoved, this, &SpeechController::rateChanged);
    connect(&m_view, &ReadingView::pitchMoved, this, &SpeechController::pitchChanged);
    connect(&m_view, &ReadingView::textChanged, this, &SpeechController::textChanged);
    connect(&m_view, &ReadingView::sliderMoved, this, &SpeechController::sliderMoved);
    connect(&m_view, &ReadingView::sliderPressed, this, &SpeechController::sliderPressed);
    connect(&m_view, &ReadingView::sliderReleased, this, &SpeechController::sliderReleased);
    connect(&m_view, &ReadingView::textKeyPressed, this, &SpeechController::textKeyPressed);
    connect(&m_view, &ReadingView::textKeyReleased, this, &SpeechController::textKeyReleased);
    connect(&m_view, &ReadingView::textPressed, this, &SpeechController::textPressed);
    textChanged();
}

SpeechController::~SpeechController() = default;

// ---- state setters: one place that changes a state and shows its picture

void SpeechController::setState(State state)
{
    const bool changed = state != m_state;
    m_state = state;
    m_view.showPlayback(state);
    if (changed)
        emit stateChanged(state);
}

void SpeechController::resetPlayback()
{
    setState(State::Idle);
}

// ---- text box helpers

qint64 SpeechController::caretPosition() const
{
    return m_view.caretPosition();
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
    m_view.select(start, stop);
}

QString SpeechController::textFrom(qint64 position) const
{
    return m_view.text().mid(position);
}

void SpeechController::setSliderValue(qint64 value)
{
    m_view.setSliderValue(int(std::clamp<qint64>(value, 0, m_view.sliderMaximum())));
}

void SpeechController::textKeyPressed(bool toStart)
{
    // The key to the start means the start even where the caret already is
    // (after a stop has put it there); other keys count when they move it.
    if (toStart && m_state != State::Paused)
        m_readingPosition = 0;
    m_caretAtKeyPress = caretPosition();
}

void SpeechController::textKeyReleased()
{
    const bool moved = m_caretAtKeyPress >= 0 && m_caretAtKeyPress != caretPosition();
    m_caretAtKeyPress = -1;
    caretMovedByUser();
    if (moved && m_state == State::Idle)
        m_readingPosition = caretPosition();
}

void SpeechController::textPressed()
{
    // The caret moves after the press is handled: read it then.
    QMetaObject::invokeMethod(this, [this] {
        caretMovedByUser();
        if (m_state == State::Idle)
            m_readingPosition = caretPosition();
    }, Qt::QueuedConnection);
}
