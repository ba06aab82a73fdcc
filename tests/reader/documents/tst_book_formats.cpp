// The book formats, read from files made by real programs (pdflatex,
// pandoc, qpdf, LibreOffice Writer, a page as a browser saves it) and from
// damaged ones.

#include "documents/document_loader.h"
#include "documents/zip_archive.h"

#include "support/test_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString dataPath(const QString &name)
{
    return QStringLiteral(SAYORA_DOCUMENTS_DATA "/books/") + name;
}

QByteArray bytesOf(const QString &name)
{
    QFile f(dataPath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList titlesOf(const Document &document)
{
    QStringList titles;
    for (const Document::Chapter &chapter : document.chapters)
        titles << chapter.title;
    return titles;
}

}  // namespace

class TestBookFormats : public QObject
{
    Q_OBJECT

private slots:
    void readsInOrder_data();
    void readsInOrder();
    void pdfForTheEar();
    void epubFollowsSpineAndContents();
    void htmlShowsOnlyVisibleText();
    void badInput_data();
    void badInput();
    void inflatedSizeIsCounted();
    void contentsDecideTheFormat();

private:
    QTemporaryDir m_dir;
};

void TestBookFormats::readsInOrder_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("chapters");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("author");
    const QStringList garden = {"Spring", "Summer", "Pests", "Autumn"};
    QTest::newRow("pdflatex") << "latex_book.pdf"
                              << QStringList{"Why listen", "What a machine hears", "Keeping the order"}
                              << "Listening to Books" << "Ada Reader";
    QTest::newRow("EPUB 3") << "pandoc_book3.epub" << garden << "The Garden Book" << "Mira Holt";
    // EPUB 2's NCX also lists the title page.
    QTest::newRow("EPUB 2") << "pandoc_book2.epub" << (QStringList{"The Garden Book"} + garden)
                            << "The Garden Book" << "Mira Holt";
    QTest::newRow("DOCX") << "pandoc_book.docx" << garden << "The Garden Book" << "Mira Holt";
    QTest::newRow("ODT") << "pandoc_book.odt" << garden << "The Garden Book" << "Mira Holt";
    QTest::newRow("HTML") << "pandoc_book.html" << (QStringList{"The Garden Book"} + garden) << "The Garden Book"
                          << "Mira Holt";
    // Writer's soft hyphens ("incom\u00ADpre\u00AD…") are not read.
    const QStringList notes = {"Before the Reading", "Voices and rooms", "The Practice", "Pauses",
                               "After the Reading"};
    QTest::newRow("LibreOffice ODT") << "libreoffice_book.odt" << notes << "Field Notes on Listening"
                                     << "Lena Kovač";
    QTest::newRow("LibreOffice DOCX") << "libreoffice_book.docx" << notes << "Field Notes on Listening"
                                      << "Lena Kovač";
    // Writer's PDF: the footer sits close under the footnotes, which come
    // after the body with their marks as "[1]"; table cells have no tabs.
    QTest::newRow("LibreOffice PDF") << "libreoffice_book.pdf" << notes << "Field Notes on Listening"
                                     << "Lena Kovač";
    QTest::newRow("saved page") << "browser_page.html" << QStringList{"Café notes", "Menu"}
                                << "Café notes – Saved page" << "Jo Martin";
}

// Each document's text against what a listener should hear, and each
// chapter starting at its heading.
void TestBookFormats::readsInOrder()
{
    QFETCH(QString, file);
    QFETCH(QStringList, chapters);
    QFETCH(QString, title);
    QFETCH(QString, author);
    DocumentLoader box;
    QVERIFY2(box.LoadFile(dataPath(file)), qPrintable(box.errorString()));
    QCOMPARE(box.Text(), QString::fromUtf8(bytesOf(file + ".txt")));
    const Document &document = box.document();
    QCOMPARE(titlesOf(document), chapters);
    for (const Document::Chapter &chapter : document.chapters) {
        const QString at = box.Text().mid(chapter.start, 60);
        // A PDF heading keeps its number ("1 Why listen").
        QVERIFY2(at.startsWith(chapter.title) || at.section(u' ', 1).startsWith(chapter.title), qPrintable(at));
        QVERIFY(chapter.start == 0 || box.Text().at(chapter.start - 1) == u'\n');
    }
    QCOMPARE(document.title, title);
    QCOMPARE(document.author, author);
}

void TestBookFormats::pdfForTheEar()
{
    DocumentLoader box;
    QVERIFY(box.LoadFile(dataPath("latex_book.pdf")));
    const QString text = box.Text();
    // Hyphenated at line ends by TeX, joined again.
    for (const char *word : {"sentence", "incomprehensibility", "person", "continues"})
        QVERIFY2(text.contains(QLatin1String(word)), word);
    QVERIFY(!text.contains(u"sen-"));
    // The running header and the page numbers are gone, even where a
    // sentence runs over a page break.
    QVERIFY(!text.contains(u"Listening to Books"));
    QVERIFY(!text.contains(u"Page "));
    QVERIFY(text.contains(u"hyphens split words at the end of lines"));
    // Three sections, six paragraphs, each on one line.
    QCOMPARE(text.count(u'\n'), 8);
    QVERIFY(text.contains(u"Monks read to each other at meals"));
}

void TestBookFormats::epubFollowsSpineAndContents()
{
    DocumentLoader box;
    QVERIFY(box.LoadFile(dataPath("pandoc_book3.epub")));
    const QString text = box.Text();
    // The navigation document is in the spine but is not read.
    QVERIFY(!text.contains(u"Title Page"));
    QCOMPARE(text.count(u"Spring"), 1);
    QVERIFY(text.indexOf(u"Spring") < text.indexOf(u"Summer"));
    QVERIFY(text.indexOf(u"Summer") < text.indexOf(u"Autumn"));
    const Document &document = box.document();
    QCOMPARE(document.chapters.at(2).level, 2);  // Pests, inside Summer
    // Link-backs from the notes ("↩") are not read.
    QVERIFY(!text.contains(u"\u21A9"));
}

void TestBookFormats::htmlShowsOnlyVisibleText()
{
    DocumentLoader box;
    QVERIFY(box.LoadFile(dataPath("browser_page.html")));
    const QString text = box.Text();
    for (const char *hidden : {"tracking", "nor this", "not spoken", "Buy now", "JavaScript", "template",
                               "Hidden paragraph", "font-family", "Home"})
        QVERIFY2(!text.contains(QLatin1String(hidden)), hidden);
    // Windows-1252 as the page declares it; entities decoded.
    QVERIFY(text.contains(u"The café opens at eight\u00A0o'clock. Coffee costs €2 & tea costs less."));
    // Unclosed <p> and <li> end where the next begins.
    QVERIFY(text.contains(u"• Espresso\n• Tea\n"));
    QVERIFY(text.contains(u"line one\n  line two"));
}

void TestBookFormats::badInput_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray pdf = bytesOf("latex_book.pdf");
    const QByteArray epub = bytesOf("pandoc_book3.epub");
    const QByteArray docx = bytesOf("pandoc_book.docx");
    QVERIFY(!pdf.isEmpty() && !epub.isEmpty() && !docx.isEmpty());
    QTest::newRow("scan") << "scan.pdf" << bytesOf("picture_only.pdf") << "no text to read";
    QTest::newRow("PDF with a password") << "locked.pdf" << bytesOf("latex_book_encrypted.pdf") << "encrypted";
    QTest::newRow("ODT with a password") << "locked.odt" << bytesOf("libreoffice_book_encrypted.odt")
                                         << "encrypted";
    QTest::newRow("PDF cut short") << "cut.pdf" << pdf.left(400) << "damaged";
    QTest::newRow("EPUB cut short") << "cut.epub" << epub.left(epub.size() / 2) << "damaged";
    QTest::newRow("DOCX cut short") << "cut.docx" << docx.left(docx.size() - 30) << "damaged";
    QTest::newRow("EPUB with DRM") << "drm.epub" << bytesOf("drm_book.epub") << "DRM";
    QTest::newRow("DOCX with encrypted parts") << "locked.docx" << bytesOf("password_entries.docx") << "encrypted";
    // Word keeps a password-protected .docx in its older compound file.
    QTest::newRow("DOCX in a compound file")
        << "protected.docx" << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(504, '\0')
        << "encrypted";
    QTest::newRow("ZIP bomb") << "bomb.docx" << bytesOf("zip_bomb.docx") << "unpacks to more than 256 MB";
    QTest::newRow("text named .pdf") << "notes.pdf" << QByteArray("Just some notes.\n")
                                     << "is named \".pdf\" but is not a PDF document";
    QTest::newRow("picture named .epub") << "photo.epub" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                                         << "is named \".epub\" but is not an EPUB book";
    QTest::newRow("other ZIP named .odt") << "data.odt" << bytesOf("plain_archive.zip")
                                          << "is named \".odt\" but is not an OpenDocument text";
}

// A clear reason for each, and the text from before stays.
void TestBookFormats::badInput()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath(name);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    DocumentLoader box;
    QVERIFY(box.loadBytes("Kept text."));
    QVERIFY(!box.LoadFile(path));
    QVERIFY2(box.errorString().contains(reason), qPrintable(box.errorString()));
    QCOMPARE(box.Text(), u"Kept text."_s);
}

// An archive's directory may understate what an entry inflates to: the
// budget counts what comes out.
void TestBookFormats::inflatedSizeIsCounted()
{
    const QByteArray bytes = bytesOf("lying_sizes.docx");  // declares 100 bytes, holds 2 MiB
    ZipArchive small(bytes, 1024 * 1024);
    QVERIFY(small.read(u"word/document.xml"_s).isEmpty());
    QCOMPARE(small.status(), ZipArchive::Status::TooLarge);
    ZipArchive enough(bytes);
    QCOMPARE(enough.read(u"word/document.xml"_s).size(), 2097319);
    QCOMPARE(enough.status(), ZipArchive::Status::Ok);
}

void TestBookFormats::contentsDecideTheFormat()
{
    DocumentLoader box;
    // Standard input has no name: the contents alone say what it is.
    QVERIFY(box.loadBytes(bytesOf("pandoc_book.odt")));
    QVERIFY(box.Text().startsWith(u"The Garden Book\nMira Holt\nSpring"));
    QVERIFY(box.loadBytes(bytesOf("latex_book.pdf")));
    QVERIFY(box.Text().startsWith(u"1 Why listen"));
    QVERIFY(box.loadBytes(bytesOf("browser_page.html")));
    QVERIFY(box.Text().startsWith(u"Café notes\n"));
    // A note about PDF versions is a note.
    QVERIFY(box.loadBytes("Remember:\n%PDF-1.7 is the last version.\n"));
    QCOMPARE(box.Text(), u"Remember:\n%PDF-1.7 is the last version.\n"_s);
    // A ".txt" file is shown as it is, markup and all.
    QVERIFY(box.loadBytes("<html><body><p>Tag soup</p></body></html>", u"txt"_s));
    QCOMPARE(box.Text(), u"<html><body><p>Tag soup</p></body></html>"_s);
}

QTEST_GUILESS_MAIN(TestBookFormats)
#include "tst_book_formats.moc"
