// Inputs that the fuzzers found to break a parser, each with the result it
// must give now. The same inputs stay in the fuzzers' seed corpora.

#include "documents/html_reader.h"
#include "speech/pronunciation_rules.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestFuzzFindings : public QObject
{
    Q_OBJECT

private slots:
    void headingInsideHeadingKeepsTextOrder();
    void ruleStartingWithByteOrderMarkReadsBack();
};

// The HTML parser nests an unclosed <h1> in the one before it; the inner
// heading ends first, and its chapter was listed before the outer one that
// starts earlier. Chapters must come in text order: the converter splits
// the book at them.
void TestFuzzFindings::headingInsideHeadingKeepsTextOrder()
{
    const DocumentResult result = HtmlReader::read("<h1>O<h1>O");
    QVERIFY(result.ok());
    const QList<Document::Chapter> &chapters = result.document.chapters;
    QCOMPARE(chapters.size(), 2);
    QCOMPARE(chapters.at(0).start, 0);
    QVERIFY(chapters.at(1).start > chapters.at(0).start);
    QCOMPARE(chapters.at(0).title, u"O O"_s);
    QCOMPARE(chapters.at(1).title, u"O"_s);
    QVERIFY(chapters.at(1).start < result.document.text.size());
}

// Only the file's first line may begin with a byte order mark. A rule whose
// written text begins with U+FEFF (an invisible no-break space) lost it when
// read, and once saved by the window came back as a line without a written
// text: the rule was gone.
void TestFuzzFindings::ruleStartingWithByteOrderMarkReadsBack()
{
    QList<RuleProblem> problems;
    const QList<PronunciationRule> rules = PronunciationFile::parse(" \xEF\xBB\xBF\t", &problems);
    QVERIFY(problems.isEmpty());
    QCOMPARE(rules.size(), 1);
    QCOMPARE(rules.at(0).written, u"\uFEFF"_s);

    const QByteArray saved = PronunciationFile::format(rules).toUtf8();
    QCOMPARE(PronunciationFile::parse(saved, &problems), rules);
    QVERIFY(problems.isEmpty());

    // The file's own mark is still no part of its first rule.
    const QList<PronunciationRule> marked = PronunciationFile::parse("\xEF\xBB\xBFSQL\tsequel\n");
    QCOMPARE(marked.size(), 1);
    QCOMPARE(marked.at(0).written, u"SQL"_s);
}

QTEST_GUILESS_MAIN(TestFuzzFindings)
#include "tst_fuzz_findings.moc"
