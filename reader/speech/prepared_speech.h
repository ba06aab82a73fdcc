#pragma once

#include "speech/pronunciation_rules.h"

#include <QString>

// A written text made ready for a voice: the pronunciation rules of the
// voice's language applied, then the voice's own quirks. Reading aloud, the
// window's export and the converter all hand a voice what prepareSpeech()
// makes, so a file says what reading aloud says.
struct PreparedSpeech
{
    QString spoken;    // what the voice is handed
    PositionMap map;   // from spoken positions back to the written text

    // Nothing a voice could say: an engine handed no words may never report
    // its end, so such a text is refused rather than spoken.
    bool isEmpty() const;
};

// A spoken text with nothing a voice could say (see PreparedSpeech).
bool saysNothing(const QString &spoken);

// voiceName: the name the voice list shows for a voice whose quirks apply
// (an espeak-ng voice); empty for a voice that has none.
PreparedSpeech prepareSpeech(const QString &written, const PronunciationRules &rules, const QString &voiceName = {});
