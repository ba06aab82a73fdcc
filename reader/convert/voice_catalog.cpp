#include "convert/voice_catalog.h"

#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "speech/voice_choice.h"

#include <QLocale>

VoiceCatalog::VoiceCatalog()
    : m_directSS(std::make_unique<DirectSS>())
    , m_spVoice(std::make_unique<SpVoice>())
{
    for (int mode = 1; mode <= m_directSS->CountEngines(); ++mode)
        m_voices.append({m_directSS->ModeName(mode), VoiceChoice::Sapi4, mode});
    if (!m_spVoice->isValid()) {
        m_spVoice.reset();
        return;
    }
    m_tokens = m_spVoice->GetVoices();
    for (qsizetype i = 0; i < m_tokens.size(); ++i)
        m_voices.append({m_tokens.at(i).GetDescription(0), VoiceChoice::Sapi5, int(i)});
}

VoiceCatalog::~VoiceCatalog() = default;

std::optional<VoiceCatalog::Voice> VoiceCatalog::find(const QString &name) const
{
    for (const Voice &voice : m_voices) {
        if (voice.name == name)
            return voice;
    }
    return std::nullopt;
}

QStringList VoiceCatalog::similar(const QString &name) const
{
    QStringList names;
    for (const Voice &voice : m_voices) {
        if (voice.name.compare(name, Qt::CaseInsensitive) == 0 || voice.name.contains(name, Qt::CaseInsensitive))
            names << voice.name;
    }
    return names;
}

std::optional<VoiceCatalog::Voice> VoiceCatalog::forText(const QString &text) const
{
    const int sapi4Count = m_directSS->CountEngines();
    std::optional<Voice> chosen;
    if (sapi4Count > 0)
        chosen = m_voices.at(m_directSS->CurrentMode() - 1);
    else if (!m_tokens.isEmpty())
        chosen = m_voices.at(sapi4Count + VoiceChoice::fallbackVoiceIndex(m_tokens, QLocale()));
    if (!chosen)
        return chosen;
    const int other = VoiceChoice::voiceForText(text, m_tokens, chosen->engine, chosen->index, QLocale());
    if (other >= 0)
        chosen = m_voices.at(sapi4Count + other);
    return chosen;
}

SpObjectToken VoiceCatalog::token(int index) const
{
    return m_tokens.value(index);
}
