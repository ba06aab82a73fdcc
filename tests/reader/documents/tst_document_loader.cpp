#include "documents/document_loader.h"

#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestDocumentLoader : public QObject
{
    Q_OBJECT

private slots:
    void loads_data();
    void loads();
    void failures_data();
    void failures();
    void unreadableFile();

private:
    QTemporaryDir m_dir;
};

void TestDocumentLoader::loads_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("rtf") << u"a.rtf"_s << QByteArray("{\\rtf1\\ansi caf\\'e9\\par {\\b bold}}") << u"café\nbold"_s;
    QTest::newRow("rtf with CRLF in the text")
        << u"b.rtf"_s << QByteArray("{\\rtf1 a\\u13?\\u10?b\r\n\\par c}") << u"a\nb\nc"_s;
    QTest::newRow("rtf after a utf-8 mark") << u"c.rtf"_s << QByteArray("\xEF\xBB\xBF{\\rtf1 x}") << u"x"_s;
    QTest::newRow("rtf content in a .txt file") << u"d.txt"_s << QByteArray("{\\rtf1 x}") << u"x"_s;
    QTest::newRow("text content in a .rtf file") << u"e.rtf"_s << QByteArray("{not rtf}") << u"{not rtf}"_s;
    QTest::newRow("rtf needs its header at the start") << u"f.txt"_s << QByteArray(" {\\rtf1 x}")
                                                       << u" {\\rtf1 x}"_s;
    QTest::newRow("utf-8") << u"g.txt"_s << QByteArray("\xCE\xB1\xCE\xB2 \xE2\x82\xAC") << u"αβ €"_s;
    QTest::newRow("utf-8 with mark") << u"h.txt"_s << QByteArray("\xEF\xBB\xBFhi") << u"hi"_s;
    QTest::newRow("utf-16 with mark") << u"i.txt"_s << QByteArray("\xFF\xFEh\0i\0\r\0\n\0!\0", 12) << u"hi\n!"_s;
    QTest::newRow("windows-1252") << u"j.txt"_s << QByteArray("\x93quoted\x94 \x80") << u"“quoted” €"_s;
    QTest::newRow("CRLF line endings") << u"k.txt"_s << QByteArray("a\r\nb\r\n") << u"a\nb\n"_s;
    QTest::newRow("CR line endings") << u"l.txt"_s << QByteArray("a\rb\r\rc") << u"a\nb\n\nc"_s;
    QTest::newRow("LF CR is two line breaks") << u"m.txt"_s << QByteArray("a\n\rb") << u"a\n\nb"_s;
    QTest::newRow("empty file") << u"n.txt"_s << QByteArray() << QString();
    QTest::newRow("any name") << u"notes.text"_s << QByteArray("words") << u"words"_s;
}

void TestDocumentLoader::loads()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    const QString path = testsupport::writeFile(m_dir.filePath(fileName), bytes);
    DocumentLoader box;
    QVERIFY2(box.LoadFile(path), qPrintable(box.errorString()));
    QCOMPARE(box.Text(), text);
    QVERIFY(box.errorString().isEmpty());
}

void TestDocumentLoader::failures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");

    const QString folder = m_dir.filePath(u"folder"_s);
    QDir().mkpath(folder);
    const QString fifo = m_dir.filePath(u"pipe"_s);
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString large = m_dir.filePath(u"large.txt"_s);
    {
        QFile f(large);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(DocumentLoader::MaxFileSize + 1));  // sparse: costs no disk
    }
    // Bytes of a PNG picture.
    const QString picture = testsupport::writeFile(
        m_dir.filePath(u"picture.txt"_s), QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x08", 20));

    // The reason does not name the file: the message around it does.
    QTest::newRow("no name") << QString() << u"no file name was given."_s;
    QTest::newRow("missing file") << m_dir.filePath(u"missing.rtf"_s) << u"the file does not exist."_s;
    QTest::newRow("missing folder") << m_dir.filePath(u"nowhere/a.txt"_s) << u"the file does not exist."_s;
    QTest::newRow("path through a file") << m_dir.filePath(u"picture.txt/a.txt"_s) << u"the file does not exist."_s;
    QTest::newRow("folder") << folder << u"it is a folder, not a file."_s;
    QTest::newRow("folder with a closing slash") << folder + u'/' << u"it is a folder, not a file."_s;
    QTest::newRow("pipe") << fifo << u"it is not a regular file."_s;
    QTest::newRow("too large") << large << u"the file is too large (the limit is 64 MB)."_s;
    QTest::newRow("binary") << picture << u"it is not a text or RTF document."_s;
}

// A failed load says why and keeps the text loaded before.
void TestDocumentLoader::failures()
{
    QFETCH(QString, path);
    QFETCH(QString, reason);

    DocumentLoader box;
    QVERIFY(box.LoadFile(testsupport::writeFile(m_dir.filePath(u"before.txt"_s), "earlier text")));
    QVERIFY(!box.LoadFile(path));
    QCOMPARE(box.errorString(), reason);
    QCOMPARE(box.Text(), u"earlier text"_s);

    // The next successful load clears the reason.
    QVERIFY(box.LoadFile(m_dir.filePath(u"before.txt"_s)));
    QVERIFY(box.errorString().isEmpty());
}

void TestDocumentLoader::unreadableFile()
{
    if (::geteuid() == 0)
        QSKIP("root reads every file");
    const QString path = testsupport::writeFile(m_dir.filePath(u"secret.txt"_s), "secret");
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    DocumentLoader box;
    QVERIFY(!box.LoadFile(path));
    QVERIFY2(box.errorString().startsWith(u"the file cannot be read ("_s),
             qPrintable(box.errorString()));
    QVERIFY(box.Text().isEmpty());
}

QTEST_GUILESS_MAIN(TestDocumentLoader)
#include "tst_document_loader.moc"
