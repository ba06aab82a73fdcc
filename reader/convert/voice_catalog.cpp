#include "convert/voice_catalog.h"

#include "sapi4/direct_ss.h"
#include "sapi4/flite_voices.h"
#include "sapi5/sp_voice.h"
#include "speech/sapi4_voice.h"
#include "speech/sapi5_voice.h"
#include "speech/voice_choice.h"

#include <QLocale>

#include <algorithm>

namespace {

// flite speaks English only; its voices say which.
QString fliteCode(const QString &language)
{
    if (language.contains(u"Scottish"))
        return QStringLiteral("en-gb-scotland");
    if (language.contains(u"US"))
        return QStringLiteral("en-us");
    return QStringLiteral("en");
}

// Edits that turn a into b (case folded): how near a mistyped name is.
int distance(const QString &a, const QString &b)
{
    const QString x = a.toCaseFolded(), y = b.toCaseFolded();
    QList<int> row(y.size() + 1);
    for (qsizetype j = 0; j <= y.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= x.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x.at(i - 1) == y.at(j - 1) ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[y.size()];
}

}  // namespace

VoiceCatalog::VoiceCatalog()
    : m_directSS(std::make_unique<DirectSS>())
{
    const QList<FliteVoice> flite = FliteVoices::offered();
    for (int mode = 1; mode <= m_directSS->CountEngines(); ++mode) {
        Voice voice{m_directSS->ModeName(mode), QString(), QStringLiteral("en"), VoiceChoice::Sapi4, mode};
        for (const FliteVoice &f : flite) {
            if (f.name == voice.name) {
                voice.shortName = f.id;
                voice.code = fliteCode(f.language);
            }
        }
        m_voices.append(voice);
    }
}

VoiceCatalog::~VoiceCatalog() = default;

void VoiceCatalog::loadSapi5() const
{
    if (m_sapi5Loaded)
        return;
    m_sapi5Loaded = true;
    m_spVoice = std::make_unique<SpVoice>();
    if (!m_spVoice->isValid()) {
        m_spVoice.reset();
        return;
    }
    m_tokens = m_spVoice->GetVoices();
    for (qsizetype i = 0; i < m_tokens.size(); ++i)
        m_voices.append({m_tokens.at(i).GetDescription(0), m_tokens.at(i).Id(), m_tokens.at(i).Language().toLower(),
                         VoiceChoice::Sapi5, int(i)});
}

const QList<VoiceCatalog::Voice> &VoiceCatalog::voices() const
{
    loadSapi5();
    return m_voices;
}

std::optional<VoiceCatalog::Voice> VoiceCatalog::find(const QString &name) const
{
    // The flite voices come first in the list: a full name among them is
    // the answer whatever espeak-ng offers.
    const auto named = [&]() -> std::optional<Voice> {
        for (const Voice &voice : m_voices) {
            if (voice.name == name)
                return voice;
        }
        return std::nullopt;
    };
    if (auto voice = named())
        return voice;
    loadSapi5();
    if (auto voice = named())
        return voice;
    // Then the short names, then the languages: the first kind that one
    // voice alone answers to.
    const auto only = [&](auto matches) -> std::optional<Voice> {
        std::optional<Voice> found;
        for (const Voice &voice : m_voices) {
            if (matches(voice)) {
                if (found)
                    return std::nullopt;
                found = voice;
            }
        }
        return found;
    };
    const auto same = [&](const QString &a) { return !a.isEmpty() && a.compare(name, Qt::CaseInsensitive) == 0; };
    if (auto voice = only([&](const Voice &v) { return same(v.name) || same(v.shortName); }))
        return voice;
    return only([&](const Voice &v) { return same(v.code); });
}

QList<VoiceCatalog::Voice> VoiceCatalog::suggestions(const QString &name, int limit, bool *ambiguous) const
{
    // The voices of a language named by its code come first ("en"), then
    // those holding more of the name's words ("english", "flite slt"),
    // then those nearest in spelling ("japanse").
    const QStringList words = name.split(u' ', Qt::SkipEmptyParts);
    struct Ranked
    {
        bool language;  // the name is the voice's language, or its first part ("en" of "en-gb")
        qsizetype found;
        int distance;
        Voice voice;
    };
    const auto ofLanguage = [&](const QString &code) {
        return !name.isEmpty()
               && (code.compare(name, Qt::CaseInsensitive) == 0
                   || code.startsWith(name + u'-', Qt::CaseInsensitive));
    };
    QList<Ranked> ranked;
    qsizetype holdingAll = 0;
    for (const Voice &voice : voices()) {
        const QString haystack = voice.name + u' ' + voice.shortName + u' ' + voice.code;
        const qsizetype found = std::count_if(words.cbegin(), words.cend(), [&](const QString &word) {
            return haystack.contains(word, Qt::CaseInsensitive);
        });
        if (!words.isEmpty() && found == words.size())
            ++holdingAll;
        ranked.append({ofLanguage(voice.code), found, std::min({distance(name, voice.name), distance(name, voice.shortName), distance(name, voice.code)}),
                       voice});
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked &a, const Ranked &b) {
        if (a.language != b.language)
            return a.language;
        return a.found != b.found ? a.found > b.found : a.distance < b.distance;
    });
    if (ambiguous)
        *ambiguous = holdingAll > 1;
    QList<Voice> best;
    for (const Ranked &r : std::as_const(ranked)) {
        if (best.size() >= limit || (holdingAll > 0 && r.found < words.size()))
            break;
        best.append(r.voice);
    }
    return best;
}

QString VoiceCatalog::engineName(const Voice &voice)
{
    return voice.engine == VoiceChoice::Sapi4 ? QStringLiteral("flite") : QStringLiteral("espeak-ng");
}

std::optional<VoiceCatalog::Voice> VoiceCatalog::forText(const QString &text) const
{
    loadSapi5();
    const int sapi4Count = m_directSS->CountEngines();
    std::optional<Voice> chosen;
    if (sapi4Count > 0)
        chosen = m_voices.at(m_directSS->CurrentMode() - 1);
    else if (!m_tokens.isEmpty())
        chosen = m_voices.at(sapi4Count + VoiceChoice::fallbackVoiceIndex(m_tokens, QLocale()));
    if (!chosen)
        return chosen;
    const int other = VoiceChoice::voiceForText(text, VoiceChoice::VoicesFor::WholeText, m_tokens, chosen->engine,
                                                 chosen->index, QLocale());
    if (other >= 0)
        chosen = m_voices.at(sapi4Count + other);
    return chosen;
}

std::optional<VoiceCatalog::Voice> VoiceCatalog::forLanguage(const QString &language) const
{
    loadSapi5();
    const int index = VoiceChoice::voiceForLanguage(language, m_tokens, QLocale());
    if (index < 0)
        return std::nullopt;
    return m_voices.at(m_directSS->CountEngines() + index);
}

QStringList VoiceCatalog::voicedLanguages() const
{
    loadSapi5();
    return VoiceChoice::voicedLanguages(m_tokens);
}

FileVoice VoiceCatalog::fileVoice(const Voice &voice) const
{
    if (voice.engine == VoiceChoice::Sapi4) {
        // The mode's own speed and pitch.
        m_directSS->setCurrentMode(voice.index);
        return Sapi4Voice::fileVoiceOf(*m_directSS).atPositions(-1, -1, 100);
    }
    loadSapi5();
    SpVoice *renderer = m_spVoice.get();
    return Sapi5Voice::fileVoiceOf(m_tokens.value(voice.index), renderer, renderer ? renderer->Rate() : 0, 100);
}

double VoiceCatalog::renderShare(const Voice &voice)
{
    static const QStringList slow{QStringLiteral("slt"), QStringLiteral("rms"), QStringLiteral("awb")};
    return voice.engine == VoiceChoice::Sapi4 && slow.contains(voice.shortName) ? 0.92 : 0.3;
}
