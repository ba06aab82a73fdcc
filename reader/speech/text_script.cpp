#include "speech/text_script.h"

#include <QHash>

#include <algorithm>
#include <utility>
#include <vector>

namespace textscript {
namespace {

// Letters beyond this many tell nothing new about a text's script, and a
// long document should not hold up Speak.
constexpr int kLettersEnough = 20000;

QString scriptOf(char32_t c)
{
    switch (QChar::script(c)) {
    case QChar::Script_Latin: return QStringLiteral("Latn");
    case QChar::Script_Cyrillic: return QStringLiteral("Cyrl");
    case QChar::Script_Greek: return QStringLiteral("Grek");
    case QChar::Script_Arabic: return QStringLiteral("Arab");
    case QChar::Script_Hebrew: return QStringLiteral("Hebr");
    case QChar::Script_Han: return QStringLiteral("Hani");
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana: return QStringLiteral("Kana");
    case QChar::Script_Hangul: return QStringLiteral("Hang");
    case QChar::Script_Thai: return QStringLiteral("Thai");
    case QChar::Script_Devanagari: return QStringLiteral("Deva");
    case QChar::Script_Bengali: return QStringLiteral("Beng");
    case QChar::Script_Gurmukhi: return QStringLiteral("Guru");
    case QChar::Script_Gujarati: return QStringLiteral("Gujr");
    case QChar::Script_Oriya: return QStringLiteral("Orya");
    case QChar::Script_Tamil: return QStringLiteral("Taml");
    case QChar::Script_Telugu: return QStringLiteral("Telu");
    case QChar::Script_Kannada: return QStringLiteral("Knda");
    case QChar::Script_Malayalam: return QStringLiteral("Mlym");
    case QChar::Script_Sinhala: return QStringLiteral("Sinh");
    case QChar::Script_Armenian: return QStringLiteral("Armn");
    case QChar::Script_Georgian: return QStringLiteral("Geor");
    case QChar::Script_Ethiopic: return QStringLiteral("Ethi");
    case QChar::Script_Myanmar: return QStringLiteral("Mymr");
    case QChar::Script_Cherokee: return QStringLiteral("Cher");
    default: return QStringLiteral("Zyyy");
    }
}

// Script -> voice languages of espeak-ng that read it, main language first.
const std::vector<std::pair<QString, QStringList>> &scriptLanguages()
{
    static const std::vector<std::pair<QString, QStringList>> table = {
        {QStringLiteral("Cyrl"), {"ru", "uk", "bg", "sr", "mk", "be", "kk", "ky", "tt", "ba", "cv", "nog"}},
        {QStringLiteral("Grek"), {"el", "grc"}},
        {QStringLiteral("Arab"), {"ar", "fa", "ur", "ug", "sd"}},
        {QStringLiteral("Hebr"), {"he"}},
        {QStringLiteral("Hani"), {"cmn", "yue", "hak"}},
        {QStringLiteral("Jpan"), {"ja"}},
        {QStringLiteral("Hang"), {"ko"}},
        {QStringLiteral("Thai"), {"th"}},
        {QStringLiteral("Deva"), {"hi", "mr", "ne", "kok"}},
        {QStringLiteral("Beng"), {"bn", "as", "bpy"}},
        {QStringLiteral("Guru"), {"pa"}},
        {QStringLiteral("Gujr"), {"gu"}},
        {QStringLiteral("Orya"), {"or"}},
        {QStringLiteral("Taml"), {"ta"}},
        {QStringLiteral("Telu"), {"te"}},
        {QStringLiteral("Knda"), {"kn"}},
        {QStringLiteral("Mlym"), {"ml"}},
        {QStringLiteral("Sinh"), {"si"}},
        {QStringLiteral("Armn"), {"hy", "hyw"}},
        {QStringLiteral("Geor"), {"ka"}},
        {QStringLiteral("Ethi"), {"am"}},
        {QStringLiteral("Mymr"), {"my", "shn"}},
        {QStringLiteral("Cher"), {"chr"}},
    };
    return table;
}

}  // namespace

namespace {

// The scripts of the text's first letters (as many as are enough to judge
// by), counted; the number of letters counted.
int countScripts(QStringView text, QHash<QString, int> *counts)
{
    int letters = 0;
    for (qsizetype i = 0; i < text.size() && letters < kLettersEnough; ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode());
            ++i;
        }
        if (!QChar::isLetter(c))
            continue;
        ++letters;
        ++(*counts)[scriptOf(c)];
    }
    return letters;
}

}  // namespace

double shareOfLetters(QStringView text, const QString &script)
{
    QHash<QString, int> counts;
    const int letters = countScripts(text, &counts);
    if (letters == 0)
        return 0.0;
    int own = counts.value(script);
    if (script == u"Jpan")
        own += counts.value(QStringLiteral("Kana")) + counts.value(QStringLiteral("Hani"));
    return double(own) / letters;
}

QString dominantScript(QStringView text)
{
    QHash<QString, int> counts;
    const int letters = countScripts(text, &counts);
    if (letters == 0)
        return QString();
    // Japanese writes its words in Chinese characters and its endings in
    // kana; Chinese has no kana. A little kana among Han, or kana alone,
    // makes it Japanese.
    const int han = counts.value(QStringLiteral("Hani"));
    const int kana = counts.value(QStringLiteral("Kana"));
    if (kana > 0 && kana * 20 >= han + kana) {
        counts.remove(QStringLiteral("Hani"));
        counts.remove(QStringLiteral("Kana"));
        counts.insert(QStringLiteral("Jpan"), han + kana);
    }
    QString best;
    int most = 0;
    for (auto i = counts.cbegin(); i != counts.cend(); ++i) {
        // Ties go to the alphabetically first script, so the answer never
        // depends on hash order.
        if (i.value() > most || (i.value() == most && i.key() < best)) {
            best = i.key();
            most = i.value();
        }
    }
    return best;
}

QString scriptOfLanguage(const QString &language)
{
    const QString lower = language.toLower();
    // "cmn-latn-pinyin", "fa-latn": romanised voices read Latin letters.
    if (lower.contains(QLatin1String("-latn")))
        return QStringLiteral("Latn");
    const QString base = lower.section(QLatin1Char('-'), 0, 0);
    if (base == QLatin1String("zh"))
        return QStringLiteral("Hani");
    for (const auto &[script, languages] : scriptLanguages()) {
        if (languages.contains(base))
            return script;
    }
    return QStringLiteral("Latn");
}

QStringList languagesForScript(const QString &script)
{
    for (const auto &[known, languages] : scriptLanguages()) {
        if (known == script)
            return languages;
    }
    return {};
}


}  // namespace textscript
