// sayora-selection on a real X server: the test owns the primary selection
// (or the clipboard) and the command must hand exactly that text to the
// reader, which then reads it, as the text it is, and ends.

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Outcome
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the command while this process keeps answering for the selection it
// owns: the event loop runs while the command asks for it.
Outcome runSelection(const QStringList &arguments, const QProcessEnvironment &env, int timeoutMs = 30000,
                     const QString &folder = QString())
{
    QProcess process;
    process.setProcessEnvironment(env);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(QStringLiteral(SAYORA_SELECTION_EXE), arguments);
    Outcome outcome;
    if (!finished.wait(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return outcome;
    }
    outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    outcome.out = process.readAllStandardOutput();
    outcome.err = process.readAllStandardError();
    return outcome;
}

QProcessEnvironment dryRun()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SAYORA_SELECTION_DRY_RUN"), QStringLiteral("1"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

}  // namespace

class TestSayoraSelection : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void selectedTextGoesToTheReader_data();
    void selectedTextGoesToTheReader();
    void longSelectionGoesWhole();
    void wrongOptionIsRefused();
    void noWayToReadIsSaid_data();
    void noWayToReadIsSaid();
    void readerReadsTheSelectionAndEnds_data();
    void readerReadsTheSelectionAndEnds();
};

void TestSayoraSelection::initTestCase()
{
    QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "runs on an X server (xvfb-run)");
}

void TestSayoraSelection::selectedTextGoesToTheReader_data()
{
    QTest::addColumn<QString>("selection");  // empty: nothing owns it
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expected");   // the reader's argument, or the message

    const QString lines = QString::fromUtf8("Café au lait,\n  deux fois — s'il vous plaît.\n");
    QTest::newRow("primary selection, whole and unchanged") << lines << "copied" << QStringList{} << 0 << lines;
    QTest::newRow("clipboard with the option") << "selected" << "copied text" << QStringList{"--clipboard"} << 0 << "copied text";
    QTest::newRow("short option") << "selected" << "copied text" << QStringList{"-c"} << 0 << "copied text";
    QTest::newRow("a path is passed as it is") << "/etc/hostname" << "" << QStringList{} << 0 << "/etc/hostname";
    QTest::newRow("nothing selected") << "" << "copied" << QStringList{} << 1 << "nothing is selected";
    QTest::newRow("only blanks selected") << " \n\t " << "copied" << QStringList{} << 1 << "nothing is selected";
    QTest::newRow("empty clipboard") << "selected" << "" << QStringList{"--clipboard"} << 1 << "the clipboard holds no text";
}

void TestSayoraSelection::selectedTextGoesToTheReader()
{
    QFETCH(QString, selection);
    QFETCH(QString, clipboard);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, expected);

    QClipboard *board = QGuiApplication::clipboard();
    if (selection.isEmpty())
        board->clear(QClipboard::Selection);
    else
        board->setText(selection, QClipboard::Selection);
    if (clipboard.isEmpty())
        board->clear(QClipboard::Clipboard);
    else
        board->setText(clipboard, QClipboard::Clipboard);

    const Outcome outcome = runSelection(arguments, dryRun());
    QCOMPARE(outcome.exitCode, exitCode);
    if (exitCode == 0) {
        const qsizetype firstLine = outcome.out.indexOf('\n');
        QVERIFY(firstLine > 0);
        QCOMPARE(QString::fromUtf8(outcome.out.left(firstLine)), QStringLiteral(SAYORA_EXE));
        QCOMPARE(QString::fromUtf8(outcome.out.mid(firstLine + 1)), expected);
    } else {
        QVERIFY2(outcome.err.contains(expected.toUtf8()), outcome.err.constData());
        QVERIFY(outcome.out.isEmpty());
    }
}

void TestSayoraSelection::longSelectionGoesWhole()
{
    // Longer than one command-line argument may be.
    const QString text = QStringLiteral("Ünïcode words to read aloud. ").repeated(8000);
    QVERIFY(text.toUtf8().size() > 131072);
    QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
    const Outcome outcome = runSelection({}, dryRun());
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(QString::fromUtf8(outcome.out.mid(outcome.out.indexOf('\n') + 1)), text);
}

void TestSayoraSelection::wrongOptionIsRefused()
{
    const Outcome outcome = runSelection({QStringLiteral("--primary-please")}, dryRun());
    QCOMPARE(outcome.exitCode, 2);
    QVERIFY(outcome.err.contains("--primary-please"));
}

void TestSayoraSelection::noWayToReadIsSaid_data()
{
    QTest::addColumn<QString>("wayland");  // WAYLAND_DISPLAY, empty: unset
    QTest::addColumn<bool>("wlPaste");     // wl-paste on PATH
    QTest::addColumn<QString>("said");
    QTest::newRow("Wayland without wl-paste or Xwayland") << "wayland-0" << false << "install wl-clipboard";
    QTest::newRow("no desktop at all") << "" << false << "neither WAYLAND_DISPLAY nor DISPLAY";
    // The real wl-paste, with no compositor behind the name.
    QTest::newRow("compositor gone") << "wayland-sayora-nowhere" << true << "cannot read the selection: ";
}

void TestSayoraSelection::noWayToReadIsSaid()
{
    QFETCH(QString, wayland);
    QFETCH(bool, wlPaste);
    QFETCH(QString, said);
    if (wlPaste && QStandardPaths::findExecutable(QStringLiteral("wl-paste")).isEmpty())
        QSKIP("wl-paste (wl-clipboard) is not installed");
    QTemporaryDir emptyFolder;
    QProcessEnvironment env = dryRun();
    env.remove(QStringLiteral("DISPLAY"));
    if (!wayland.isEmpty())
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), wayland);
    if (!wlPaste)
        env.insert(QStringLiteral("PATH"), emptyFolder.path());
    const Outcome outcome = runSelection({}, env);
    QCOMPARE(outcome.exitCode, 1);
    QVERIFY2(outcome.err.contains(said.toUtf8()), outcome.err.constData());
    QVERIFY(outcome.out.isEmpty());  // the reader is not started
}

void TestSayoraSelection::readerReadsTheSelectionAndEnds_data()
{
    QTest::addColumn<QString>("selection");
    QTest::newRow("a sentence") << "Good morning.";
    // Words Qt would take as its own options are read like any others.
    QTest::newRow("a word like a Qt option") << "-reverse";
    QTest::newRow("a Qt option with a value") << "-stylesheet=/nonexistent";
    // Words that name files of the current folder, which holds only files
    // the reader cannot open: read as the words they are, they end it.
    QTest::newRow("a file's name") << "notes.txt";
    QTest::newRow("a wildcard") << "*.txt";
    QTest::newRow("a question") << "what?";
}

void TestSayoraSelection::readerReadsTheSelectionAndEnds()
{
    QFETCH(QString, selection);
    QGuiApplication::clipboard()->setText(selection, QClipboard::Selection);
    QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("SAYORA_AUDIO"), QStringLiteral("null"));
    env.insert(QStringLiteral("SAYORA_FLITE_VOICES"), QStringLiteral("kal"));
    // Damaged books: had the reader taken the selection for the name of one,
    // it would say so and stay open.
    QTemporaryDir folder;
    for (const char *name : {"notes.txt", "whats", "book.txt"})
        QVERIFY(QFile(QDir(folder.path()).filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly));
    for (const QString &name : QDir(folder.path()).entryList(QDir::Files)) {
        QFile file(QDir(folder.path()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4\n% not a document\n");
    }
    // The reader runs in a window on the same X server, reads and ends;
    // the command ends with it.
    const Outcome outcome = runSelection({}, env, 120000, folder.path());
    QVERIFY2(outcome.exitCode == 0, outcome.err.constData());
    QVERIFY2(!outcome.err.contains("QCss"), outcome.err.constData());
    // It ended after its reading, not by being closed: no settings written.
    QVERIFY(QFile::exists(config.filePath(QStringLiteral("sayora/registry.reg"))));
    QVERIFY(!QFile::exists(config.filePath(QStringLiteral("sayora/dovexensf.ini"))));
}

QTEST_MAIN(TestSayoraSelection)
#include "tst_sayora_selection.moc"
