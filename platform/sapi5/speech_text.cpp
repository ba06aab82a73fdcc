#include "sapi5/speech_text.h"

#include <algorithm>
#include <cmath>

namespace speechtext {

namespace {

char32_t codePointAt(const QString &text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(c, text.at(i + 1));
    return c.unicode();
}

qsizetype width(char32_t cp)
{
    return QChar::requiresSurrogates(cp) ? 2 : 1;
}

bool isWordChar(char32_t cp)
{
    if (QChar::isLetterOrNumber(cp))
        return true;
    switch (QChar::category(cp)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

// Characters that join two parts of one word: "don't", "e-mail", "3.14", "1,000".
bool isJoiner(char32_t cp)
{
    switch (cp) {
    case '\'': case '-': case '.': case ',': case '_':
    case 0x2019:  // right single quotation mark, the typographic apostrophe
    case 0x2010:  // hyphen
    case 0x2011:  // non-breaking hyphen
    case 0x00AD:  // soft hyphen
        return true;
    default:
        return false;
    }
}

}  // namespace

qsizetype wordEnd(const QString &text, qsizetype start)
{
    const qsizetype size = text.size();
    if (start < 0 || start >= size)
        return start;
    qsizetype i = start;
    const char32_t first = codePointAt(text, i);
    if (isWordChar(first)) {
        while (i < size) {
            const char32_t cp = codePointAt(text, i);
            if (isWordChar(cp)) {
                i += width(cp);
                continue;
            }
            if (isJoiner(cp) && i + 1 < size && isWordChar(codePointAt(text, i + 1))) {
                i += 1;
                continue;
            }
            break;
        }
        return i;
    }
    // A word made of symbols: up to white space or the next letter or digit.
    while (i < size) {
        const char32_t cp = codePointAt(text, i);
        if (QChar::isSpace(cp) || (i > start && (QChar::isLetterOrNumber(cp) || QChar::isPunct(cp))))
            break;
        i += width(cp);
    }
    return std::max(i, start + width(first));
}

QList<qsizetype> codePointOffsets(const QString &text)
{
    QList<qsizetype> offsets;
    offsets.reserve(text.size() + 1);
    qsizetype i = 0;
    while (i < text.size()) {
        offsets.append(i);
        i += width(codePointAt(text, i));
    }
    offsets.append(text.size());
    return offsets;
}

int wordsPerMinute(long rate)
{
    const double r = std::clamp<double>(double(rate), -10.0, 10.0);
    const double wpm = 175.0 * std::pow(3.0, r / 10.0);
    return std::clamp(int(std::nearbyint(wpm)), 80, 450);
}

}  // namespace speechtext
