#include "text/sentence_spans.h"

#include "text/sentence_marks.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace SentenceSpans {

namespace {

using namespace SentenceMarks;

// A line shorter than this is one of its own (a title, an author, a
// heading, an item of a list), never the hard-wrapped middle of a
// paragraph: its line break ends the sentence.
constexpr qsizetype kShortLine = 60;

// Where a sentence that runs past limit is cut when it has neither comma
// nor blank before it: the last word boundary, or the end of a word that
// alone is longer than the cue.
qsizetype wordCut(const QString &text, qsizetype start, qsizetype limit, qsizetype maxChars)
{
    // The finder looks at a bounded window, so a long text costs no more
    // per cue than a short one.
    const qsizetype windowEnd = std::min(text.size(), limit + 4 * maxChars);
    const QString window = text.mid(start, windowEnd - start);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word, window);
    finder.setPosition(limit - start);
    if (finder.isAtBoundary())
        return limit;
    const qsizetype before = finder.toPreviousBoundary();
    if (before > 0)
        return start + before;
    finder.setPosition(limit - start);
    const qsizetype after = finder.toNextBoundary();
    if (after < 0)
        return windowEnd;
    qsizetype end = start + after;
    // Never between the halves of a surrogate pair.
    if (end < text.size() && text.at(end).isLowSurrogate())
        ++end;
    return end;
}

}  // namespace

QList<Span> find(const QString &text, qsizetype maxChars)
{
    QList<Span> spans;
    const qsizetype size = text.size();
    maxChars = std::max<qsizetype>(1, maxChars);
    qsizetype from = 0;
    // Where the line of each sentence's start begins, found going forward
    // only: a text of one long line would otherwise be read back to its
    // start for every sentence.
    qsizetype scanned = 0;
    qsizetype scannedLineStart = 0;
    while (true) {
        qsizetype start = from;
        while (start < size && isBlank(text.at(start)))
            ++start;
        if (start >= size)
            break;
        const qsizetype limit = std::min(size, start + maxChars);
        qsizetype end = -1;
        qsizetype clauseBreak = -1;
        qsizetype spaceBreak = -1;
        for (; scanned < start; ++scanned) {
            if (isLineBreak(text.at(scanned)))
                scannedLineStart = scanned + 1;
        }
        qsizetype lineStart = scannedLineStart;
        for (qsizetype i = start; i < limit && end < 0; ++i) {
            const QChar c = text.at(i);
            if (isLineBreak(c)) {
                if (endsParagraph(text, i) || i - lineStart < kShortLine)
                    end = i;  // a blank line ends the paragraph, a short line a heading
                else
                    spaceBreak = i;
                lineStart = i + 1;
            } else if (isSentenceEnd(c) || isWideSentenceEnd(c)) {
                bool wide = isWideSentenceEnd(c);
                qsizetype j = i + 1;
                while (j < size && (isSentenceEnd(text.at(j)) || isWideSentenceEnd(text.at(j)) || isClosing(text.at(j)))) {
                    wide = wide || isWideSentenceEnd(text.at(j));
                    ++j;
                }
                if (j >= size || wide
                    || (isBlank(text.at(j)) && !endsAbbreviation(text, start, i) && !nextWordIsLowercase(text, j)))
                    end = j;
                else
                    i = j - 1;
            } else if (isWideComma(c) || ((c == u',' || c == u';' || c == u':') && i + 1 < size && isBlank(text.at(i + 1)))) {
                clauseBreak = i + 1;
            } else if (isBlank(c)) {
                spaceBreak = i;
            }
        }
        if (end < 0) {
            if (limit == size)
                end = size;
            else if (clauseBreak > start && clauseBreak < limit)
                end = clauseBreak;
            else if (spaceBreak > start)
                end = spaceBreak;
            else
                end = wordCut(text, start, limit, maxChars);
        }
        qsizetype trimmed = end;
        while (trimmed > start && isBlank(text.at(trimmed - 1)))
            --trimmed;
        spans.append({start, trimmed});
        from = end;
    }
    return spans;
}

}  // namespace SentenceSpans
