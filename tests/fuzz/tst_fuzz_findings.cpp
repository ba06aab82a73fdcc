// Inputs that the fuzzers found to break a parser, each with the result it
// must give now. The same inputs stay in the fuzzers' seed corpora.

#include "documents/html_reader.h"
#include "documents/pdf_text.h"
#include "speech/pronunciation_rules.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFuzzFindings : public QObject
{
    Q_OBJECT

private slots:
    void headingInsideHeadingKeepsTextOrder();
    void ruleStartingWithByteOrderMarkReadsBack();
    void pdfNamingMillionsOfObjectsIsRefused();
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

// A damaged PDF of 637 bytes naming object 8,000,398 made poppler build a
// table of eight million entries (some 200 MB, three seconds) before it
// refused the file. It is refused before poppler sees it now; the PDFs of
// the corpus, each naming a few objects, still reach poppler.
void TestFuzzFindings::pdfNamingMillionsOfObjectsIsRefused()
{
    const QString corpus = QStringLiteral(SAYORA_FUZZ_CORPUS "/fuzz_pdf/");
    QFile found(corpus + u"names_object_8000398.pdf"_s);
    QVERIFY(found.open(QIODevice::ReadOnly));
    const QByteArray bytes = found.readAll();
    QCOMPARE(PdfText::largestObjectNumber(bytes), 8000398);
    QVERIFY(PdfText::namesMoreObjectsThanItHolds(bytes));
    const DocumentResult result = PdfText::read(bytes);
    QVERIFY(!result.ok());
    QVERIFY(result.error.contains(u"damaged"_s));

    for (const QString &name : QDir(corpus).entryList({u"*.pdf"_s}, QDir::Files)) {
        if (name == u"names_object_8000398.pdf"_s)
            continue;
        QFile pdf(corpus + name);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray valid = pdf.readAll();
        QVERIFY2(PdfText::largestObjectNumber(valid) > 0, qPrintable(name));
        QVERIFY2(!PdfText::namesMoreObjectsThanItHolds(valid), qPrintable(name));
    }

    // Numbers are read whole, blanks of any kind between them, and what is
    // not "N G obj" is no object.
    QCOMPARE(PdfText::largestObjectNumber("12 0 obj\n<<>>\nendobj\r\n9\t\r\n0 obj"), 12);
    QCOMPARE(PdfText::largestObjectNumber("% no objects here, only the word obj"), -1);
    QCOMPARE(PdfText::largestObjectNumber("99999999999999999999 0 obj"), PdfText::MaxObjectNumber + 1);
    QVERIFY(!PdfText::namesMoreObjectsThanItHolds("1000000 0 obj"));
    QVERIFY(PdfText::namesMoreObjectsThanItHolds("1000001 0 obj"));
}

QTEST_GUILESS_MAIN(TestFuzzFindings)
#include "tst_fuzz_findings.moc"
