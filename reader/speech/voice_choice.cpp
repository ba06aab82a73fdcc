#include "speech/voice_choice.h"

#include "sapi5/sp_voice.h"
#include "speech/language_runs.h"
#include "speech/text_script.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace VoiceChoice {

int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

int fallbackVoiceIndex(const QList<SpObjectToken> &tokens, const QLocale &locale)
{
    const auto find = [&tokens](const auto &matches) {
        const auto found = std::find_if(tokens.begin(), tokens.end(), matches);
        return found == tokens.end() ? -1 : int(found - tokens.begin());
    };
    const auto languageIs = [](const QString &wanted) {
        return [wanted](const SpObjectToken &token) { return token.Language().compare(wanted, Qt::CaseInsensitive) == 0; };
    };
    const QString name = locale.name().replace(QLatin1Char('_'), QLatin1Char('-'));  // "en-GB"
    const QString language = name.section(QLatin1Char('-'), 0, 0);
    for (const QString &wanted : {name, language, QStringLiteral("en-us")}) {
        if (const int index = find(languageIs(wanted)); index >= 0)
            return index;
    }
    // The language in some other region, then English of any kind.
    for (const QString &prefix : {language, QStringLiteral("en")}) {
        const int index = find([&prefix](const SpObjectToken &token) {
            return token.Language().section(QLatin1Char('-'), 0, 0).compare(prefix, Qt::CaseInsensitive) == 0;
        });
        if (index >= 0)
            return index;
    }
    return 0;
}

int voiceForText(const QString &text, VoicesFor voices, const QList<SpObjectToken> &tokens, int engine,
                 int voiceIndex, const QLocale &locale)
{
    if (tokens.isEmpty() || (engine != Sapi4 && engine != Sapi5))
        return -1;
    const QString script = textscript::dominantScript(text);
    // Latin letters are shared by many languages: the user's voice stays.
    if (script == QLatin1String("Latn"))
        return -1;
    if (script.isEmpty()) {
        // No letters at all. flite says ASCII digits and signs, nothing
        // else; espeak-ng in the user's language says the rest.
        const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
        if (engine == Sapi5 || ascii)
            return -1;
        return fallbackVoiceIndex(tokens, locale);
    }
    const bool indexed = voiceIndex >= 0 && voiceIndex < tokens.size();
    if (engine == Sapi5 && indexed && textscript::scriptOfLanguage(tokens.at(voiceIndex).Language()) == script)
        return -1;
    if (voices == VoicesFor::EachSentence) {
        // flite's voices read English.
        const QString own = engine == Sapi4 ? QStringLiteral("Latn")
                            : indexed       ? textscript::scriptOfLanguage(tokens.at(voiceIndex).Language())
                                            : QString();
        // A title or a name in the voice's script is not enough.
        if (!own.isEmpty() && textscript::shareOfLetters(text, own) >= 0.2)
            return -1;
    }
    QStringList languages = textscript::languagesForScript(script);
    // The user's own language comes first where it uses this script.
    const QString mine = locale.name().section(QLatin1Char('_'), 0, 0);
    if (languages.removeAll(mine) > 0)
        languages.prepend(mine);
    for (const QString &language : std::as_const(languages)) {
        const auto found = std::find_if(tokens.begin(), tokens.end(), [&language](const SpObjectToken &token) {
            return token.Language().section(QLatin1Char('-'), 0, 0).compare(language, Qt::CaseInsensitive) == 0;
        });
        if (found != tokens.end())
            return int(found - tokens.begin());
    }
    return -1;
}

int voiceForLanguage(const QString &language, const QList<SpObjectToken> &tokens, const QLocale &locale)
{
    if (language.isEmpty())
        return -1;
    const QString wanted = LanguageRuns::baseLanguage(language);
    const QString regional = locale.name().replace(u'_', u'-');
    int best = -1;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString tag = tokens.at(i).Language();
        if (LanguageRuns::baseLanguage(tag) != wanted)
            continue;
        // A romanised voice ("cmn-latn-pinyin") reads another script.
        if (textscript::scriptOfLanguage(tag) != textscript::scriptOfLanguage(wanted))
            continue;
        if (tag.compare(regional, Qt::CaseInsensitive) == 0)
            return int(i);
        // The language alone ("de") before its regions ("de-ch"); the
        // tokens list language voices before variants.
        if (best < 0 || (!tag.contains(u'-') && tokens.at(best).Language().contains(u'-')))
            best = int(i);
    }
    return best;
}

QStringList voicedLanguages(const QList<SpObjectToken> &tokens)
{
    QStringList languages;
    for (const SpObjectToken &token : tokens) {
        const QString base = LanguageRuns::baseLanguage(token.Language());
        if (!languages.contains(base))
            languages.append(base);
    }
    return languages;
}

}  // namespace VoiceChoice
