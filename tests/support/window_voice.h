#pragma once

// Voice choices of the tests that drive the whole window.

#include "app/sayora_main.h"
#include "sapi5/sp_voice.h"
#include "speech/speech_controller.h"

#include <QLatin1String>
#include <QList>

namespace testsupport {

// Selects espeak-ng's English (America), which reports each word's offset
// exactly; false when there is none.
inline bool chooseEnglishEspeak(SayoraMain &w)
{
    SpeechController *speech = w.speech();
    const QList<SpObjectToken> tokens = speech->newsVoice()->GetVoices();
    for (int i = 0; i < tokens.size(); ++i) {
        if (tokens.at(i).Language() == QLatin1String("en-us")) {
            speech->setVoiceListPosition(speech->sapi4Count() + i);
            return speech->currentEngine() == SpeechController::Sapi5;
        }
    }
    return false;
}

}  // namespace testsupport
