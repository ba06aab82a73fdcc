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
