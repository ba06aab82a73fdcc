// Inputs that the fuzzers (tests/fuzz) found to break a document reader,
// each with the result it must give now. The same inputs stay in the
// fuzzers' seed corpora.

#include "documents/html_reader.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestParserFindings : public QObject
{
    Q_OBJECT

private slots:
    void headingInsideHeadingKeepsTextOrder();
};

// The HTML parser nests an unclosed <h1> in the one before it; the inner
// heading ends first, and its chapter was listed before the outer one that
// starts earlier. Chapters must come in text order: the converter splits
// the book at them.
void TestParserFindings::headingInsideHeadingKeepsTextOrder()
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

QTEST_GUILESS_MAIN(TestParserFindings)
#include "tst_parser_findings.moc"
