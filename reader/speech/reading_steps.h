#pragma once

#include <QList>
#include <QString>

#include "text/sentence_spans.h"

// Where the next and previous sentence, paragraph and chapter of a text
// begin, for moving through a book while it is read. Pure: it holds the
// text and the chapters' starts, and answers with positions (UTF-16).
//
// A paragraph is a line of the text box, as the document readers end
// every paragraph with a line break; in plain text that keeps its lines
// hard-wrapped (it has blank lines), a paragraph ends at a blank line
// instead. Sentences are found inside a paragraph only, with the rule the
// converter's subtitles use, so a heading is never part of the sentence
// after it; only the paragraph at hand is looked at, whatever the book's size.
//
// Going back works as a media player's "previous": from inside a unit it
// goes to that unit's start, and from its start to the unit before. "Its
// start" reaches to the start of the second word, as a reading reports the
// word it speaks: a second press right after the first still goes back.
class ReadingSteps
{
public:
    enum class Unit { Sentence, Paragraph, Chapter };
    enum class ParagraphEnd { LineBreak, BlankLine };
    using Span = SentenceSpans::Span;

    ReadingSteps() = default;
    // `chapterStarts` need not be sorted; starts on blanks move to the
    // first character after them.
    ReadingSteps(QString text, const QList<qsizetype> &chapterStarts, ParagraphEnd paragraphEnd);

    // Plain text keeps its paragraphs apart with blank lines when it has
    // any; otherwise each line is one.
    static ParagraphEnd paragraphEndFor(const QString &text, bool plainText);

    const QString &text() const { return m_text; }
    const QList<qsizetype> &chapterStarts() const { return m_chapters; }

    // The start of the next unit after `position`, or -1 when there is none.
    qsizetype next(Unit unit, qsizetype position) const;
    // The start of the unit `position` is in when it is past that start,
    // else the start of the unit before; -1 when there is none.
    qsizetype previous(Unit unit, qsizetype position) const;

    // The paragraph and the sentence that `position` is in (a position on
    // the blanks after one counts as in it); empty spans on an empty text.
    Span paragraphAt(qsizetype position) const;
    Span sentenceAt(qsizetype position) const;
    // The chapter `position` is in, as an index into chapterStarts(); -1
    // before the first chapter.
    int chapterAt(qsizetype position) const;

private:
    bool isParagraphEnd(qsizetype lineBreak) const;
    // `position` is no further into the unit at `start` than its second word.
    bool nearStart(qsizetype start, qsizetype position) const;
    QList<Span> sentencesOf(const Span &paragraph) const;
    // The first non-blank at or after `position`, or -1.
    qsizetype firstCharFrom(qsizetype position) const;

    QString m_text;
    QList<qsizetype> m_chapters;
    ParagraphEnd m_paragraphEnd = ParagraphEnd::LineBreak;
};
