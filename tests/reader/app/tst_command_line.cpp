#include "app/command_line.h"
#include "support/test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void classify_data();
    void classify();
    void argumentTextIsJoinedWhole();
    void textHandedAsTextNeverNamesAFile();

private:
    QTemporaryDir m_dir;
};

void TestCommandLine::initTestCase()
{
    QVERIFY(m_dir.isValid());
    testsupport::writeFile(m_dir.filePath("notes.txt"), "Some notes.");
    testsupport::writeFile(m_dir.filePath("letter.rtf"), "{\\rtf1 Dear Ann}");
    QDir(m_dir.path()).mkdir("folder");
    testsupport::writeFile(m_dir.filePath("folder/inside.txt"), "inside");
}

void TestCommandLine::classify_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("file");
    const QString d = m_dir.path() + "/";

    QTest::newRow("empty") << "" << "program" << "";
    QTest::newRow("one character") << "x" << "" << "";
    QTest::newRow("one blank") << " " << "" << "";
    QTest::newRow("sentence") << "Hello there, how are you?" << "internet" << "";
    QTest::newRow("existing txt") << d + "notes.txt" << "explorer" << d + "notes.txt";
    QTest::newRow("existing rtf") << d + "letter.rtf" << "explorer" << d + "letter.rtf";
    QTest::newRow("missing path") << d + "missing.txt" << "internet" << "";
    QTest::newRow("folder") << d + "folder" << "internet" << "";
    QTest::newRow("folder with trailing slash") << d + "folder/" << "internet" << "";
    QTest::newRow("characters invalid in a Windows file name") << "a<b>|c:\"d\"" << "internet" << "";
    QTest::newRow("name too long for the file system") << d + QString(300, 'n') << "internet" << "";
    QTest::newRow("wildcard matching a file") << d + "no*.t?t" << "explorer" << d + "notes.txt";
    QTest::newRow("wildcard matching only a folder") << d + "fold*" << "internet" << "";
    QTest::newRow("wildcard matching nothing") << d + "*.pdf" << "internet" << "";
    QTest::newRow("path with quotes kept") << "\"" + d + "notes.txt\"" << "internet" << "";
}

void TestCommandLine::classify()
{
    QFETCH(QString, text);
    QFETCH(QString, kind);
    QFETCH(QString, file);
    const CommandLineKind result = classifyCommandLine(text);
    QCOMPARE(result.kind, kind);
    QCOMPARE(QDir::cleanPath(result.filePath), QDir::cleanPath(file));
}

void TestCommandLine::argumentTextIsJoinedWhole()
{
    QCOMPARE(argumentText({"sayora"}), QString());
    QCOMPARE(argumentText({"sayora", "Hello", "there"}), QStringLiteral("Hello there"));
    QCOMPARE(argumentText({"sayora", " padded "}), QStringLiteral(" padded "));
}

void TestCommandLine::textHandedAsTextNeverNamesAFile()
{
    // A selection handed over by another program, in the folder whose files
    // it happens to name.
    QVERIFY(QDir::setCurrent(m_dir.path()));
    for (const QString &text : {QStringLiteral("notes.txt"), QStringLiteral("*.txt"), QStringLiteral("note?.txt"),
                                m_dir.filePath("letter.rtf")}) {
        QCOMPARE(classifyCommandLine(text).kind, QStringLiteral("explorer"));
        const CommandLineKind kind = classifyText(text);
        QCOMPARE(kind.kind, QStringLiteral("internet"));
        QVERIFY(kind.filePath.isEmpty());
    }
    QCOMPARE(classifyText(QString()).kind, QStringLiteral("program"));
    QCOMPARE(classifyText(QStringLiteral("x")).kind, QString());
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
