#include "speech/prepared_speech.h"

namespace {

// This voice reads full-width digits only as ASCII ones. Each is one UTF-16
// unit either way, so the positions of the spoken text stay as they were.
const QString fullWidthDigitsVoice = QStringLiteral("Microsoft Simplified Chinese");

void asciiDigits(QString &text)
{
    for (char16_t d = 0; d < 10; ++d)
        text.replace(QChar(char16_t(0xFF10 + d)), QChar(char16_t(u'0' + d)));
}

}  // namespace

bool saysNothing(const QString &spoken)
{
    return spoken.trimmed().isEmpty();
}

bool PreparedSpeech::isEmpty() const
{
    return saysNothing(spoken);
}

PreparedSpeech prepareSpeech(const QString &written, const PronunciationRules &rules, const QString &voiceName)
{
    // With no rules the spoken text is the written one, shared, not copied:
    // a long text's first sound comes no later for them.
    SpokenForm form = rules.apply(written);
    PreparedSpeech prepared{std::move(form.text), std::move(form.map)};
    if (voiceName == fullWidthDigitsVoice)
        asciiDigits(prepared.spoken);
    return prepared;
}
