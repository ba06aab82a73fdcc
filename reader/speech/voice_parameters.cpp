// Volume, rate and pitch scrollbars (positions 0 … 100, top is 100) scaled
// onto the two engine generations, and the position slider kept in step
// with the text, the caret and the running speech.

#include "speech/speech_controller.h"

#include "speech/reading_view.h"
#include "speech/speaking_voice.h"

#include <algorithm>

void SpeechController::volumeChanged(int v)
{
    Disappear = false;
    m_volumePosition = v;
    if (SpeakingVoice *voice = selectedVoice()) {
        voice->setVolume(v);
        m_view.showVolume(v);
    }
}

void SpeechController::rateChanged(int v)
{
    Disappear = false;
    m_ratePosition = v;
    if (SpeakingVoice *voice = selectedVoice()) {
        voice->setRate(v);
        m_view.showRate(v);
    }
}

void SpeechController::pitchChanged(int v)
{
    Disappear = false;
    // Not every voice has a pitch to set; its bar then shows nothing new.
    if (SpeakingVoice *voice = selectedVoice(); voice && voice->hasPitch()) {
        m_view.showPitch(v);
        voice->setPitch(v);
    }
}

void SpeechController::textChanged()
{
    TextLength = m_view.textLength();
    if (TextLength >= 1) {
        m_view.setSliderMaximum(int(TextLength));
        m_view.setSliderEnabled(true);
    } else {
        m_view.setSliderMaximum(32767);
        m_view.setSliderValue(0);
        m_view.setSliderEnabled(false);
    }
}

void SpeechController::caretMovedByUser()
{
    if (TextLength < 1 || m_state == State::Speaking)
        return;
    m_view.setSliderMaximum(int(TextLength));
    setSliderValue(caretPosition());
}

void SpeechController::sliderMoved()
{
    // Moving the slider is the user's own action, like the buttons.
    Disappear = false;
    if (m_state != State::Speaking) {
        setCaretPosition(m_view.sliderValue());
        if (m_state != State::Paused)
            m_readingPosition = caretPosition();
    }
}

void SpeechController::sliderPressed()
{
    Disappear = false;
    if (TextLength < 1 || m_state == State::Speaking)
        return;
    m_view.setSliderMaximum(int(TextLength));
    setCaretPosition(m_view.sliderValue());
}

void SpeechController::sliderReleased()
{
    Disappear = false;
    HaltReason = Interruption::RestartAtSlider;
    // A voice of the other engine chosen meanwhile reads from here on; the
    // voice that was talking falls silent.
    if (m_state != State::Idle && m_playing && m_playing != selectedVoice())
        m_playing->stop();
    if (m_state != State::Idle) {
        // Paused or not, the speech that was under way is dropped and the
        // reading starts again from the slider.
        restartAtSlider();
        if (SpeakingVoice *voice = selectedVoice())
            voice->stop();
        speakNextRun();
    }
    HaltReason = Interruption::None;
}

void SpeechController::restartAtSlider()
{
    setCaretPosition(m_view.sliderValue());
    SpeakStart = caretPosition();
    SpokenText = textFrom(SpeakStart);
    m_readingPosition = SpeakStart;
    startReading();
    prepareRuns(SpeakStart, SpokenText);
}

void SpeechController::readFrom(qint64 position)
{
    Disappear = false;
    position = std::clamp<qint64>(position, 0, TextLength);
    if (!readingUnderway()) {
        // The view keeps the caret in sight without centring it, so a few
        // steps in a row do not make the text jump.
        setCaretPosition(position);
        m_readingPosition = caretPosition();
        setSliderValue(m_readingPosition);
        return;
    }
    if (position >= TextLength)
        return;
    // The slider's restart, as if its thumb had been let go there.
    m_view.setSliderMaximum(int(TextLength));
    m_view.setSliderValue(int(position));
    sliderReleased();
}
