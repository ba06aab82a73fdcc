#include "text/sentence_marks.h"

#include <QStringList>

namespace SentenceMarks {

bool isBlank(QChar c)
{
    return c.isSpace();
}

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

bool endsParagraph(const QString &text, qsizetype lineBreak)
{
    qsizetype j = lineBreak + 1;
    while (j < text.size() && isBlank(text.at(j)) && !isLineBreak(text.at(j)))
        ++j;
    return j >= text.size() || isLineBreak(text.at(j));
}

bool isSentenceEnd(QChar c)
{
    return c == u'.' || c == u'!' || c == u'?' || c == QChar(0x2026);
}

bool isWideSentenceEnd(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x3002 || u == 0xFF61 || u == 0xFF0E || u == 0xFF01 || u == 0xFF1F;
}

bool isWideComma(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x3001 || u == 0xFF64 || u == 0xFF0C || u == 0xFF1B || u == 0xFF1A;
}

bool isClosing(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'"' || u == u'\'' || u == u')' || u == u']' || u == u'}' || u == 0x2019 || u == 0x201D
        || u == 0x00BB || u == 0x300D || u == 0x300F || u == 0xFF09 || u == 0x3011 || u == 0x3015 || u == 0x3009
        || u == 0x300B;
}

bool endsAbbreviation(const QString &text, qsizetype from, qsizetype dot)
{
    if (text.at(dot) != u'.')
        return false;
    qsizetype wordStart = dot;
    while (wordStart > from && text.at(wordStart - 1).isLetter())
        --wordStart;
    const qsizetype length = dot - wordStart;
    if (length == 1)
        return true;
    static const QStringList titles = {u"Mr"_qs, u"Mrs"_qs, u"Ms"_qs, u"Dr"_qs, u"St"_qs, u"Jr"_qs,
                                       u"Sr"_qs, u"Prof"_qs, u"Mt"_qs, u"vs"_qs, u"No"_qs};
    return titles.contains(text.mid(wordStart, length));
}

bool nextWordIsLowercase(const QString &text, qsizetype from)
{
    while (from < text.size() && isBlank(text.at(from)))
        ++from;
    return from < text.size() && text.at(from).isLower();
}

}  // namespace SentenceMarks
