#include "speech/reading_steps.h"

#include "text/sentence_marks.h"

#include <algorithm>

using SentenceMarks::isBlank;
using SentenceMarks::isLineBreak;

ReadingSteps::ReadingSteps(QString text, const QList<qsizetype> &chapterStarts, ParagraphEnd paragraphEnd)
    : m_text(std::move(text))
    , m_paragraphEnd(paragraphEnd)
{
    m_chapters.reserve(chapterStarts.size());
    for (qsizetype start : chapterStarts) {
        start = std::clamp<qsizetype>(start, 0, m_text.size());
        const qsizetype first = firstCharFrom(start);
        m_chapters.append(first < 0 ? start : first);
    }
}

ReadingSteps::ParagraphEnd ReadingSteps::paragraphEndFor(const QString &text, bool plainText)
{
    if (!plainText)
        return ParagraphEnd::LineBreak;
    for (qsizetype i = text.indexOf(u'\n'); i >= 0; i = text.indexOf(u'\n', i + 1)) {
        if (i + 1 < text.size() && SentenceMarks::endsParagraph(text, i))
            return ParagraphEnd::BlankLine;
    }
    return ParagraphEnd::LineBreak;
}

bool ReadingSteps::isParagraphEnd(qsizetype lineBreak) const
{
    return m_paragraphEnd == ParagraphEnd::LineBreak || SentenceMarks::endsParagraph(m_text, lineBreak);
}

bool ReadingSteps::nearStart(qsizetype start, qsizetype position) const
{
    position = std::min(position, m_text.size());
    if (position <= start)
        return true;
    qsizetype i = start;
    while (i < position && !isBlank(m_text.at(i)))
        ++i;
    while (i < position && isBlank(m_text.at(i)))
        ++i;
    return i >= position;
}

qsizetype ReadingSteps::firstCharFrom(qsizetype position) const
{
    for (qsizetype i = std::max<qsizetype>(0, position); i < m_text.size(); ++i) {
        if (!isBlank(m_text.at(i)))
            return i;
    }
    return -1;
}

ReadingSteps::Span ReadingSteps::paragraphAt(qsizetype position) const
{
    const qsizetype size = m_text.size();
    // A character of the paragraph: the one at position, or the last
    // before the blanks position is on, or the first of the text.
    qsizetype q = std::clamp<qsizetype>(position, 0, size);
    while (q > 0 && (q == size || isBlank(m_text.at(q))))
        --q;
    if (q >= size || isBlank(m_text.at(q))) {
        q = firstCharFrom(0);
        if (q < 0)
            return {};
    }
    qsizetype start = 0;
    for (qsizetype i = q - 1; i >= 0; --i) {
        if (isLineBreak(m_text.at(i)) && isParagraphEnd(i)) {
            start = i + 1;
            break;
        }
    }
    start = firstCharFrom(start);
    qsizetype end = size;
    for (qsizetype i = q; i < size; ++i) {
        if (isLineBreak(m_text.at(i)) && isParagraphEnd(i)) {
            end = i;
            break;
        }
    }
    while (end > start && isBlank(m_text.at(end - 1)))
        --end;
    return {start, end};
}

QList<ReadingSteps::Span> ReadingSteps::sentencesOf(const Span &paragraph) const
{
    const qsizetype length = paragraph.end - paragraph.start;
    QList<Span> sentences = SentenceSpans::find(m_text.mid(paragraph.start, length), std::max<qsizetype>(1, length));
    for (Span &s : sentences) {
        s.start += paragraph.start;
        s.end += paragraph.start;
    }
    return sentences;
}

ReadingSteps::Span ReadingSteps::sentenceAt(qsizetype position) const
{
    const Span paragraph = paragraphAt(position);
    const QList<Span> sentences = sentencesOf(paragraph);
    if (sentences.isEmpty())
        return paragraph;
    Span found = sentences.constFirst();
    for (const Span &s : sentences) {
        if (s.start > position)
            break;
        found = s;
    }
    return found;
}

int ReadingSteps::chapterAt(qsizetype position) const
{
    const auto after = std::upper_bound(m_chapters.cbegin(), m_chapters.cend(), position);
    return int(after - m_chapters.cbegin()) - 1;
}

qsizetype ReadingSteps::next(Unit unit, qsizetype position) const
{
    if (unit == Unit::Chapter) {
        const auto after = std::upper_bound(m_chapters.cbegin(), m_chapters.cend(), position);
        return after == m_chapters.cend() ? -1 : *after;
    }
    const Span paragraph = paragraphAt(position);
    if (paragraph.start == paragraph.end)
        return -1;
    if (position < paragraph.start)
        return paragraph.start;
    if (unit == Unit::Sentence) {
        for (const Span &s : sentencesOf(paragraph)) {
            if (s.start > position)
                return s.start;
        }
    }
    return firstCharFrom(paragraph.end);
}

qsizetype ReadingSteps::previous(Unit unit, qsizetype position) const
{
    if (unit == Unit::Chapter) {
        const int at = chapterAt(position);
        if (at < 0)
            return -1;
        if (!nearStart(m_chapters.at(at), position))
            return m_chapters.at(at);
        return at > 0 ? m_chapters.at(at - 1) : -1;
    }
    const Span paragraph = paragraphAt(position);
    if (paragraph.start == paragraph.end)
        return -1;
    if (unit == Unit::Sentence) {
        const QList<Span> sentences = sentencesOf(paragraph);
        qsizetype k = sentences.size() - 1;
        while (k >= 0 && sentences.at(k).start > position)
            --k;
        if (k >= 0 && !nearStart(sentences.at(k).start, position))
            return sentences.at(k).start;
        if (k > 0)
            return sentences.at(k - 1).start;
    } else if (!nearStart(paragraph.start, position)) {
        return paragraph.start;
    }
    // At the paragraph's start: the one before, if any.
    if (paragraph.start == 0 || firstCharFrom(0) >= paragraph.start)
        return -1;
    const Span before = paragraphAt(paragraph.start - 1);
    if (unit == Unit::Paragraph)
        return before.start;
    const QList<Span> sentences = sentencesOf(before);
    return sentences.isEmpty() ? before.start : sentences.constLast().start;
}
