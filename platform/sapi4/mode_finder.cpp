#include "mode_finder.h"

namespace {

bool same(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// SAPI 4 ages: 30 is an adult, which every flite speaker is.
constexpr int adultAge = 30;

bool matchesLanguage(const FliteVoice &voice, const QString &value)
{
    bool ok = false;
    const int id = value.startsWith(u"0x"_qs, Qt::CaseInsensitive) ? value.mid(2).toInt(&ok, 16)
                                                                   : value.toInt(&ok, 10);
    if (ok)
        return (id & 0x3FF) == 0x09;  // the primary language of an LCID: English
    return same(value, voice.language) || same(value, u"English"_qs) || same(value, u"en"_qs)
        || (voice.language == u"US English"_qs
            && (same(value, u"en-US"_qs) || same(value, u"en_US"_qs) || same(value, u"English (US)"_qs)));
}

} // namespace

QList<ModeFinder::Pair> ModeFinder::parse(const QString &attributes)
{
    QList<Pair> pairs;
    for (const QString &part : attributes.split(u';')) {
        const qsizetype eq = part.indexOf(u'=');
        if (eq < 0)
            continue;
        const QString key = part.left(eq).trimmed();
        if (key.isEmpty())
            continue;
        pairs.append({key, part.mid(eq + 1).trimmed()});
    }
    return pairs;
}

bool ModeFinder::matches(const FliteVoice &voice, const Pair &pair)
{
    const QString &key = pair.first;
    const QString &value = pair.second;
    if (value.isEmpty())
        return false;
    if (same(key, u"Mfg"_qs))
        return same(value, u"CMU"_qs) || same(value, u"Carnegie Mellon University"_qs);
    if (same(key, u"Product"_qs))
        return same(value, u"Flite"_qs);
    if (same(key, u"ModeName"_qs))
        return same(value, voice.name) || same(value, voice.id);
    if (same(key, u"Speaker"_qs))
        return same(value, voice.speaker);
    if (same(key, u"Gender"_qs)) {
        bool ok = false;
        const int gender = value.toInt(&ok);
        if (ok)
            return gender == voice.gender;
        return same(value, voice.gender == 1 ? u"female"_qs : u"male"_qs);
    }
    if (same(key, u"Age"_qs)) {
        bool ok = false;
        return value.toInt(&ok) == adultAge && ok;
    }
    if (same(key, u"Style"_qs))
        return same(value, u"Plain"_qs) || same(value, u"Normal"_qs);
    if (same(key, u"Language"_qs) || same(key, u"LanguageID"_qs))
        return matchesLanguage(voice, value);
    if (same(key, u"Dialect"_qs))
        return same(value, voice.language);
    return false;
}

int ModeFinder::best(const QList<FliteVoice> &voices, const QString &attributes, int current)
{
    if (voices.isEmpty())
        return -1;
    const QList<Pair> pairs = parse(attributes);
    if (pairs.isEmpty())
        return current >= 0 && current < voices.size() ? current : 0;
    int bestIndex = 0;
    int bestScore = -1;
    for (int i = 0; i < voices.size(); ++i) {
        int score = 0;
        for (const Pair &pair : pairs)
            score += matches(voices.at(i), pair) ? 1 : 0;
        if (score > bestScore) {
            bestScore = score;
            bestIndex = i;
        }
    }
    return bestIndex;
}
