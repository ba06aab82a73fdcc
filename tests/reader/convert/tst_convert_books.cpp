// sayora-convert reads the book formats as the window does: from a file,
// from standard input (the contents tell the format), and refuses a scan.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString book(const QString &name)
{
    return QStringLiteral(SAYORA_DOCUMENTS_DATA "/books/") + name;
}

QString contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<missing>");
}

}  // namespace

class TestConvertBooks : public QObject
{
    Q_OBJECT
private slots:
    void booksToText();
    void booksNameTheirOwnEncoding();
    void scanIsRefused();

private:
    QTemporaryDir m_dir;
};

void TestConvertBooks::booksToText()
{
    const QString txt = m_dir.filePath(QStringLiteral("book.txt"));
    QCOMPARE(QProcess::execute(QStringLiteral(SAYORA_CONVERT_EXE), {book("pandoc_book3.epub"), txt}), 0);
    QCOMPARE(contents(txt), contents(book("pandoc_book3.epub.txt")));

    QProcess p;
    p.setStandardInputFile(book("pandoc_book.docx"));
    p.start(QStringLiteral(SAYORA_CONVERT_EXE), {QStringLiteral("-"), txt});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(contents(txt), contents(book("pandoc_book.docx.txt")));
}

// A document made by LibreOffice is no text of unknown encoding: no warning
// about Windows-1252, and --encoding (meant for plain text) does not turn
// its bytes into something else before they are read.
void TestConvertBooks::booksNameTheirOwnEncoding()
{
    const QString txt = m_dir.filePath(QStringLiteral("notes.txt"));
    for (const char *name : {"libreoffice_book.odt", "libreoffice_book.docx"}) {
        const QStringList koi8 = {QStringLiteral("--encoding"), QStringLiteral("KOI8-R")};
        for (const QStringList &options : {QStringList(), koi8}) {
            QProcess p;
            p.start(QStringLiteral(SAYORA_CONVERT_EXE), options + QStringList{book(QLatin1String(name)), txt});
            QVERIFY(p.waitForFinished(60000));
            QCOMPARE(p.exitCode(), 0);
            QCOMPARE(QString::fromUtf8(p.readAllStandardError()), QString());
            QCOMPARE(contents(txt), contents(book(QStringLiteral("libreoffice_book.odt.txt"))));
        }
    }
}

void TestConvertBooks::scanIsRefused()
{
    const QString txt = m_dir.filePath(QStringLiteral("scan.txt"));
    QProcess p;
    p.start(QStringLiteral(SAYORA_CONVERT_EXE), {book("picture_only.pdf"), txt});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 2);
    const QString error = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(error.contains(QLatin1String("picture_only.pdf")) && error.contains(QLatin1String("no text to read")),
             qPrintable(error));
    QVERIFY(!QFile::exists(txt));
}

QTEST_GUILESS_MAIN(TestConvertBooks)
#include "tst_convert_books.moc"
