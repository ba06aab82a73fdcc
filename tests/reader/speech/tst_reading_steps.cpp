// Sentence, paragraph and chapter steps through a text: where each step
// lands, going back as a media player does, and the edges of the text.

#include "speech/reading_steps.h"

#include <QTest>

using Unit = ReadingSteps::Unit;
using ParagraphEnd = ReadingSteps::ParagraphEnd;

class TestReadingSteps : public QObject
{
    Q_OBJECT
private slots:
    void sentencesForwardAndBack();
    void headingIsNotPartOfNextSentence();
    void paragraphsOfPlainText();
    void chapters();
    void edges();
};

void TestReadingSteps::sentencesForwardAndBack()
{
    //                     0         1         2         3         4
    //                     0123456789012345678901234567890123456789012345
    const QString text = QStringLiteral("Mr. Smith came. He sat!  Then he left.\nNext one? Yes.");
    const ReadingSteps steps(text, {}, ParagraphEnd::LineBreak);
    const qsizetype he = text.indexOf(u"He sat");
    const qsizetype then = text.indexOf(u"Then");
    const qsizetype next = text.indexOf(u"Next");
    const qsizetype yes = text.indexOf(u"Yes");
    // "Mr." is no sentence end.
    QCOMPARE(steps.next(Unit::Sentence, 0), he);
    QCOMPARE(steps.next(Unit::Sentence, he), then);
    // From the last sentence of a paragraph into the next paragraph.
    QCOMPARE(steps.next(Unit::Sentence, then + 3), next);
    QCOMPARE(steps.next(Unit::Sentence, next), yes);
    QCOMPARE(steps.next(Unit::Sentence, yes), -1);
    // Back from inside a sentence: its start; from its start or its second
    // word: the one before.
    QCOMPARE(steps.previous(Unit::Sentence, then + 8), then);
    QCOMPARE(steps.previous(Unit::Sentence, then + 5), he);
    QCOMPARE(steps.previous(Unit::Sentence, then), he);
    QCOMPARE(steps.previous(Unit::Sentence, he + 3), text.indexOf(u"Mr."));
    // On the blanks between two sentences: the one before them.
    QCOMPARE(steps.previous(Unit::Sentence, then - 1), he);
    QCOMPARE(steps.previous(Unit::Sentence, next), then);
    QCOMPARE(steps.previous(Unit::Sentence, 0), -1);
    QCOMPARE(steps.sentenceAt(he + 2), (ReadingSteps::Span{he, then - 2}));
    // A sentence of one word before: still one step back.
    const ReadingSteps shortOnes(QStringLiteral("Yes. Fine. Maybe so."), {}, ParagraphEnd::LineBreak);
    QCOMPARE(shortOnes.previous(Unit::Sentence, 11), 5);
    QCOMPARE(shortOnes.previous(Unit::Sentence, 5), 0);
    QCOMPARE(steps.sentenceAt(then - 1), (ReadingSteps::Span{he, then - 2}));
}

void TestReadingSteps::headingIsNotPartOfNextSentence()
{
    const QString text = QStringLiteral("Chapter One\nIt was dark. It rained.\n\nChapter Two\nMorning came.");
    const ReadingSteps steps(text, {0, text.indexOf(u"Chapter Two")}, ParagraphEnd::LineBreak);
    const qsizetype it = text.indexOf(u"It was");
    QCOMPARE(steps.sentenceAt(3), (ReadingSteps::Span{0, 11}));
    QCOMPARE(steps.next(Unit::Sentence, 0), it);
    QCOMPARE(steps.next(Unit::Paragraph, 0), it);
    // The empty line is no paragraph.
    QCOMPARE(steps.next(Unit::Paragraph, it + 4), text.indexOf(u"Chapter Two"));
    QCOMPARE(steps.previous(Unit::Paragraph, text.indexOf(u"Chapter Two")), it);
    QCOMPARE(steps.previous(Unit::Paragraph, it + 4), it);
}

void TestReadingSteps::paragraphsOfPlainText()
{
    // Hard-wrapped lines: a sentence runs over the line break of a full
    // line, a blank line ends the paragraph.
    const QString text = QStringLiteral(
        "It was a dark and stormy night, and the wind blew hard over the moor\nfrom the sea. Rain fell.\n \nThe end\ncame soon.");
    QCOMPARE(ReadingSteps::paragraphEndFor(text, true), ParagraphEnd::BlankLine);
    QCOMPARE(ReadingSteps::paragraphEndFor(text, false), ParagraphEnd::LineBreak);
    QCOMPARE(ReadingSteps::paragraphEndFor(QStringLiteral("one\ntwo\n"), true), ParagraphEnd::LineBreak);
    const ReadingSteps steps(text, {}, ParagraphEnd::BlankLine);
    const qsizetype rain = text.indexOf(u"Rain");
    const qsizetype theEnd = text.indexOf(u"The end");
    QCOMPARE(steps.next(Unit::Sentence, 0), rain);
    QCOMPARE(steps.next(Unit::Paragraph, 0), theEnd);
    QCOMPARE(steps.next(Unit::Paragraph, 5), theEnd);
    QCOMPARE(steps.paragraphAt(text.indexOf(u"came")), (ReadingSteps::Span{theEnd, text.size()}));
    QCOMPARE(steps.previous(Unit::Paragraph, theEnd), 0);
    QCOMPARE(steps.previous(Unit::Sentence, theEnd), rain);
}

void TestReadingSteps::chapters()
{
    const QString text = QStringLiteral("Intro.\n\nOne\nText one.\nTwo\nText two.");
    const qsizetype one = text.indexOf(u"One");
    const qsizetype two = text.indexOf(u"Two");
    // A start on the blank line before a title moves to the title.
    const ReadingSteps steps(text, {one - 1, two}, ParagraphEnd::LineBreak);
    QCOMPARE(steps.chapterStarts(), (QList<qsizetype>{one, two}));
    QCOMPARE(steps.chapterAt(0), -1);
    QCOMPARE(steps.chapterAt(one), 0);
    QCOMPARE(steps.chapterAt(text.size()), 1);
    QCOMPARE(steps.next(Unit::Chapter, 0), one);
    QCOMPARE(steps.next(Unit::Chapter, one), two);
    QCOMPARE(steps.next(Unit::Chapter, two), -1);
    QCOMPARE(steps.previous(Unit::Chapter, two + 5), two);
    QCOMPARE(steps.previous(Unit::Chapter, two), one);
    QCOMPARE(steps.previous(Unit::Chapter, one), -1);
    QCOMPARE(steps.previous(Unit::Chapter, 2), -1);
    QCOMPARE(ReadingSteps(text, {}, ParagraphEnd::LineBreak).next(Unit::Chapter, 0), -1);
}

void TestReadingSteps::edges()
{
    const ReadingSteps empty(QString(), {5}, ParagraphEnd::LineBreak);
    for (Unit unit : {Unit::Sentence, Unit::Paragraph}) {
        QCOMPARE(empty.next(unit, 0), -1);
        QCOMPARE(empty.previous(unit, 0), -1);
    }
    QCOMPARE(empty.chapterStarts(), (QList<qsizetype>{0}));
    const ReadingSteps blanks(QStringLiteral(" \n\n  "), {}, ParagraphEnd::LineBreak);
    QCOMPARE(blanks.next(Unit::Sentence, 0), -1);
    QCOMPARE(blanks.sentenceAt(2), (ReadingSteps::Span{}));
    // Leading blanks, positions past the end, a text with no stop at all,
    // a surrogate pair and a wide stop.
    const QString text = QStringLiteral("  first words without a stop\n\U0001F600 next。次の文");
    const ReadingSteps steps(text, {}, ParagraphEnd::LineBreak);
    QCOMPARE(steps.next(Unit::Sentence, 0), 2);
    QCOMPARE(steps.next(Unit::Sentence, 2), text.indexOf(u'\n') + 1);
    QCOMPARE(steps.next(Unit::Sentence, text.indexOf(u'\n') + 1), text.indexOf(u"次"));
    // Past the end is the end; a sentence written without blanks is one word.
    QCOMPARE(steps.previous(Unit::Sentence, 10 * text.size()), text.indexOf(u'\n') + 1);
    QCOMPARE(steps.next(Unit::Paragraph, -4), 2);
    QCOMPARE(steps.previous(Unit::Paragraph, 2), -1);
}

QTEST_GUILESS_MAIN(TestReadingSteps)
#include "tst_reading_steps.moc"
