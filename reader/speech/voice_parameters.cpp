// Volume, rate and pitch scrollbars (positions 0 … 100, top is 100) scaled
// onto the two engine generations, and the position slider kept in step
// with the text, the caret and the running speech.

#include "speech/speech_controller.h"

#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "speech/reading_view.h"

#include <algorithm>

void SpeechController::volumeChanged(int v)
{
    Disappear = false;
    m_volumePosition = v;
    if (CurEngine == Sapi4) {
        DirectSS1->setVolumeLeft(VoiceChoice::sapi4Volume(v));
        DirectSS1->setVolumeRight(DirectSS1->VolumeLeft());
        m_view.showVolume(v);
    } else if (CurEngine == Sapi5) {
        if (NewsVoice1)
            NewsVoice1->setVolume(v);
        m_view.showVolume(v);
    }
}

void SpeechController::rateChanged(int v)
{
    Disappear = false;
    m_ratePosition = v;
    if (CurEngine == Sapi4) {
        m_view.showRate(v);
        DirectSS1->setSpeed(VoiceChoice::sapi4Scaled(v, Sapi4MinSpeed, Sapi4MaxSpeed));
    } else if (CurEngine == Sapi5) {
        if (NewsVoice1)
            NewsVoice1->setRate(VoiceChoice::sapi5Rate(v));
        m_view.showRate(v);
    }
}

void SpeechController::pitchChanged(int v)
{
    Disappear = false;
    // The SAPI 5 voice has no pitch setting here.
    if (CurEngine == Sapi4) {
        m_view.showPitch(v);
        DirectSS1->setPitch(VoiceChoice::sapi4Scaled(v, Sapi4MinPitch, Sapi4MaxPitch));
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
    if (TextLength < 1 || PlayStatus != 2)
        return;
    m_view.setSliderMaximum(int(TextLength));
    setSliderValue(caretPosition());
}

void SpeechController::sliderMoved()
{
    // Moving the slider is the user's own action, like the buttons.
    Disappear = false;
    if (PlayStatus == 2) {
        setCaretPosition(m_view.sliderValue());
        if (PauseStatus != 3)
            m_readingPosition = caretPosition();
    }
}

void SpeechController::sliderPressed()
{
    Disappear = false;
    if (TextLength < 1 || PlayStatus != 2)
        return;
    m_view.setSliderMaximum(int(TextLength));
    setCaretPosition(m_view.sliderValue());
}

void SpeechController::sliderReleased()
{
    Disappear = false;
    HaltReason = 7;
    // A voice of the other generation chosen meanwhile reads from here on;
    // the engine that was talking falls silent.
    if (PauseStatus != 1 && PlayingEngine != 0 && PlayingEngine != CurEngine)
        silence(PlayingEngine);
    if (PauseStatus == 2) {
        restartAtSlider();
        if (CurEngine == Sapi4)
            DirectSS1->AudioReset();
        else if (CurEngine == Sapi5 && NewsVoice1)
            NewsVoice1->Speak(QString(), SpVoice::SVSFPurgeBeforeSpeak);
        speakNextRun();
    }
    if (PauseStatus == 3) {
        restartAtSlider();
        if (CurEngine == Sapi4) {
            DirectSS1->AudioResume();
            DirectSS1->AudioReset();
        } else if (CurEngine == Sapi5 && NewsVoice1) {
            NewsVoice1->Resume();
            NewsVoice1->Speak(QString(), SpVoice::SVSFPurgeBeforeSpeak);
        }
        speakNextRun();
    }
    HaltReason = 0;
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
