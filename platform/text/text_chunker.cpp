#include "text/text_chunker.h"

#include "text/sentence_marks.h"

using namespace SentenceMarks;

bool TextChunker::next(const QString &text, qsizetype from, qsizetype maxLength, Piece *piece)
{
    const qsizetype size = text.size();
    qsizetype start = qMax<qsizetype>(0, from);
    while (start < size && isBlank(text.at(start)))
        ++start;
    if (start >= size)
        return false;

    const qsizetype limit = qMin(size, start + qMax<qsizetype>(1, maxLength));
    qsizetype clauseBreak = -1;
    qsizetype spaceBreak = -1;
    auto done = [&](qsizetype end) {
        piece->start = start;
        piece->end = end;
        return true;
    };

    for (qsizetype i = start; i < limit; ++i) {
        const QChar c = text.at(i);
        if (isLineBreak(c)) {
            if (endsParagraph(text, i))
                return done(i);  // a blank line ends the paragraph
            clauseBreak = i;
            continue;
        }
        if (isSentenceEnd(c)) {
            qsizetype j = i + 1;
            while (j < size && (isSentenceEnd(text.at(j)) || isClosing(text.at(j))))
                ++j;
            if (j >= size)
                return done(size);
            if (isBlank(text.at(j)) && !endsAbbreviation(text, start, i) && !nextWordIsLowercase(text, j))
                return done(j);
            i = j - 1;
            continue;
        }
        if ((c == u',' || c == u';' || c == u':') && i + 1 < size && isBlank(text.at(i + 1)))
            clauseBreak = i + 1;
        else if (isBlank(c))
            spaceBreak = i;
    }

    if (limit == size)
        return done(size);
    if (clauseBreak > start)
        return done(clauseBreak);
    if (spaceBreak > start)
        return done(spaceBreak);
    // One word longer than the limit: cut it, but never between the two
    // halves of a surrogate pair.
    qsizetype end = limit;
    if (text.at(end - 1).isHighSurrogate() && text.at(end).isLowSurrogate())
        end = end - 1 > start ? end - 1 : end + 1;
    return done(end);
}
