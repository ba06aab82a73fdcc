// sayora-convert over a library, as a cluster's scheduler runs it: reruns
// that do only what is missing, exit statuses that tell a failure worth
// retrying, the leftovers of a killed conversion, and the checks made
// before any work. The real program, engines, lame and files.
#include "support/test_support.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QDir>
#include <QHash>

#include <utime.h>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

using Run = testsupport::ProgramRun;

Run convert(const QStringList &arguments)
{
    return testsupport::runProgram(QStringLiteral(SAYORA_CONVERT_EXE), arguments);
}

using testsupport::contents;

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// The processes by this name that descend from parent (a long text's
// encoders run in its piece workers).
QList<pid_t> childrenNamed(qint64 parent, const QByteArray &name)
{
    QHash<pid_t, pid_t> parents;
    QHash<pid_t, QByteArray> names;
    for (const QString &entry : QDir(u"/proc"_qs).entryList(QDir::Dirs)) {
        bool number = false;
        const pid_t pid = pid_t(entry.toInt(&number));
        if (!number)
            continue;
        // "pid (comm) state ppid ...": the name may hold blanks, so from
        // the last parenthesis on.
        const QByteArray stat = contents(u"/proc/%1/stat"_qs.arg(pid));
        const qsizetype open = stat.indexOf('('), close = stat.lastIndexOf(')');
        if (open < 0 || close < open)
            continue;
        const QList<QByteArray> rest = stat.mid(close + 2).split(' ');
        if (rest.size() > 1) {
            parents.insert(pid, pid_t(rest.at(1).toLongLong()));
            names.insert(pid, stat.mid(open + 1, close - open - 1));
        }
    }
    QList<pid_t> found;
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        if (it.value() != name)
            continue;
        for (pid_t up = parents.value(it.key()); up > 1; up = parents.value(up)) {
            if (up == pid_t(parent)) {
                found << it.key();
                break;
            }
        }
    }
    return found;
}

QByteArray longText()
{
    QByteArray text;
    while (text.size() < 40000)
        text += "Every sentence of this long text is read aloud and then encoded. ";
    return text;
}

}  // namespace

class TestConvertLibrary : public QObject
{
    Q_OBJECT
private slots:
    void rerunSkipsWhatIsThere();
    void killedProcessesMayBeRetried_data();
    void killedProcessesMayBeRetried();
    void leftoversOfAKilledConversionRemoved();
    void folderWithoutRoomRefusedBeforeWork();
};

// Outputs already complete are left alone and named once each; an empty
// one (a file the user touched) is made again, as are the missing ones.
void TestConvertLibrary::rerunSkipsWhatIsThere()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(u"in"_qs);
    QDir(dir.path()).mkdir(u"out"_qs);
    QStringList inputs;
    for (const char *name : {"a", "b", "c"})
        inputs << testsupport::writeFile(dir.filePath(u"in/%1.txt"_qs.arg(QLatin1String(name))),
                                         QByteArray("Text of ") + name + '.');
    testsupport::writeFile(dir.filePath(u"out/a.txt"_qs), "finished before");
    testsupport::writeFile(dir.filePath(u"out/c.txt"_qs), "");
    const Run run = convert(QStringList{u"--skip-existing"_qs, u"-o"_qs, dir.filePath(u"out"_qs), u"-f"_qs, u"txt"_qs}
                            + inputs);
    QCOMPARE(run.code, 0);
    QCOMPARE(contents(dir.filePath(u"out/a.txt"_qs)), QByteArray("finished before"));
    QCOMPARE(contents(dir.filePath(u"out/b.txt"_qs)), QByteArray("Text of b."));
    QCOMPARE(contents(dir.filePath(u"out/c.txt"_qs)), QByteArray("Text of c."));
    QCOMPARE(run.errors.size(), 1);
    QVERIFY2(run.errors.first().contains(u"a.txt: skipped"_qs), qPrintable(run.errors.first()));
    // Without the option everything is made again.
    QCOMPARE(convert(QStringList{u"-q"_qs, u"-o"_qs, dir.filePath(u"out"_qs), u"-f"_qs, u"txt"_qs} + inputs).code, 0);
    QCOMPARE(contents(dir.filePath(u"out/a.txt"_qs)), QByteArray("Text of a."));
    // It belongs to batches.
    QCOMPARE(convert({u"--skip-existing"_qs, inputs.first(), dir.filePath(u"one.txt"_qs)}).code, 1);
}

void TestConvertLibrary::killedProcessesMayBeRetried_data()
{
    QTest::addColumn<bool>("batch");
    QTest::addColumn<QByteArray>("victim");  // the child killed
    QTest::newRow("encoder killed") << false << QByteArray("lame");
    QTest::newRow("batch's worker killed") << true << QByteArray("sayora-convert");
}

// A conversion whose encoder or worker is killed by a signal ends with 5,
// the status worth retrying; its temporaries are gone and the old output
// stays.
void TestConvertLibrary::killedProcessesMayBeRetried()
{
    QFETCH(bool, batch);
    QFETCH(QByteArray, victim);
    QTemporaryDir dir;
    const QString input = testsupport::writeFile(dir.filePath(u"a.txt"_qs), longText());
    QDir(dir.path()).mkdir(u"out"_qs);
    const QString output = dir.filePath(u"out/a.mp3"_qs);
    testsupport::writeFile(output, "old");
    QProcess p;
    const QStringList voice{u"--voice"_qs, u"English (America)"_qs, u"-q"_qs};
    p.start(QStringLiteral(SAYORA_CONVERT_EXE), batch ? voice + QStringList{u"-o"_qs, dir.filePath(u"out"_qs), u"-f"_qs,
                                                                            u"mp3"_qs, input}
                                                      : voice + QStringList{input, output});
    QVERIFY(p.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(!childrenNamed(p.processId(), victim).isEmpty() || p.state() != QProcess::Running, 120000);
    const QList<pid_t> children = childrenNamed(p.processId(), victim);
    QVERIFY2(!children.isEmpty(), "the conversion ended before its child was seen");
    ::kill(children.first(), SIGKILL);
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 5);
    QVERIFY(!p.readAllStandardError().isEmpty());
    QCOMPARE(contents(output), QByteArray("old"));
    if (!batch)
        QCOMPARE(filesIn(dir.filePath(u"out"_qs)), QStringList{u"a.mp3"_qs});
}

// The hidden temporaries beside outputs that have not changed for an hour
// are a killed conversion's: the next conversion into the folder removes
// them and says so. Fresh ones (a conversion running now), other hidden
// files and links stay.
void TestConvertLibrary::leftoversOfAKilledConversionRemoved()
{
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString input = testsupport::writeFile(dir.filePath(u"in.txt"_qs), "A short text.");
    QDir(dir.path()).mkdir(u"out"_qs);
    const QString out = dir.filePath(u"out"_qs);
    const QStringList stale{u".book.mp3.Ab3dE9.wav"_qs, u".book.mp3.x8YqQ2.mp3"_qs, u".ch 01.wav.QQQQQQ.wav"_qs};
    const QStringList kept{u".book.mp3.Ab3dE9.wav.part"_qs, u".book.mp3.Ab3d.wav"_qs, u"book.mp3.Ab3dE9.wav"_qs,
                           u".notes.txt"_qs, u".fresh.mp3.Zz9Zz9.wav"_qs};
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-2 * 3600);
    for (const QString &name : stale + kept) {
        QFile file(testsupport::writeFile(out + u'/' + name, "RIFF"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        if (name != u".fresh.mp3.Zz9Zz9.wav")
            QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    // A link by our name to someone else's file: neither it nor its
    // target is touched.
    const QString target = testsupport::writeFile(elsewhere.filePath(u"precious.wav"_qs), "keep");
    QVERIFY(QFile::link(target, out + u"/.link.mp3.Ab3dE9.wav"_qs));

    // The folder of a killed conversion's pieces goes; one holding anything
    // else stays.
    const QString staleParts = out + u"/.book.mp3.Ab3dE9.parts"_qs, otherParts = out + u"/.x.mp3.Zz9Zz9.parts"_qs;
    for (const QString &file : {staleParts + u"/001.txt"_qs, staleParts + u"/.001.mp3.QwErTy.wav"_qs,
                                otherParts + u"/001.txt"_qs, otherParts + u"/letter.odt"_qs}) {
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QFile part(testsupport::writeFile(file, "RIFF"));
        QVERIFY(part.open(QIODevice::ReadWrite) && part.setFileTime(old, QFileDevice::FileModificationTime));
    }
    for (const QString &folder : {staleParts, otherParts}) {
        const utimbuf times{old.toSecsSinceEpoch(), old.toSecsSinceEpoch()};
        QCOMPARE(::utime(QFile::encodeName(folder).constData(), &times), 0);
    }

    const Run run = convert({input, out + u"/in.txt"_qs});
    QCOMPARE(run.code, 0);
    QVERIFY(!QFileInfo::exists(staleParts));
    QVERIFY(QFileInfo::exists(otherParts + u"/letter.odt"_qs));
    QVERIFY(QDir(otherParts).removeRecursively());
    QStringList expected = kept;
    expected << u".link.mp3.Ab3dE9.wav"_qs << u"in.txt"_qs;
    expected.sort();
    QCOMPARE(filesIn(out), expected);
    QCOMPARE(contents(target), QByteArray("keep"));
    QCOMPARE(run.errors.size(), stale.size() + 1);
    for (const QString &name : stale)
        QVERIFY2(run.errors.filter(name).size() == 1, qPrintable(run.errors.join(u'\n')));
    // A batch into the folder does the same.
    testsupport::writeFile(out + u'/' + stale.first(), "RIFF");
    QFile again(out + u'/' + stale.first());
    QVERIFY(again.open(QIODevice::ReadWrite) && again.setFileTime(old, QFileDevice::FileModificationTime));
    again.close();
    QCOMPARE(convert({u"-q"_qs, u"-o"_qs, out, u"-f"_qs, u"txt"_qs, input}).code, 0);
    QVERIFY(!QFile::exists(out + u'/' + stale.first()));
    // And so does a book split into chapters there.
    testsupport::writeFile(out + u'/' + stale.first(), "RIFF");
    QFile third(out + u'/' + stale.first());
    QVERIFY(third.open(QIODevice::ReadWrite) && third.setFileTime(old, QFileDevice::FileModificationTime));
    third.close();
    QCOMPARE(convert({u"-q"_qs, u"--split"_qs, u"chapters"_qs, u"--format"_qs, u"wav"_qs, input, out}).code, 0);
    QVERIFY(!QFile::exists(out + u'/' + stale.first()));
}

// A folder that cannot hold the speech is found before the voice starts:
// the message says how much is needed, the status says to retry (with room),
// and nothing is left behind.
void TestConvertLibrary::folderWithoutRoomRefusedBeforeWork()
{
    QTemporaryDir dir;
    QByteArray text;
    while (text.size() < 20000)
        text += "A page of a book takes a minute to read aloud. ";
    const QString input = testsupport::writeFile(dir.filePath(u"book.txt"_qs), text);
    testsupport::TinyFileSystem disk(dir.filePath(u"disk"_qs), 1024);
    if (!disk.isMounted())
        QSKIP("this user cannot mount a file system");
    for (const QString &name : {u"book.mp3"_qs, u"book.wav"_qs}) {
        QElapsedTimer timer;
        timer.start();
        const Run run = convert({u"-q"_qs, input, disk.path() + u'/' + name});
        QCOMPARE(run.code, 5);
        QCOMPARE(run.errors.size(), 1);
        QVERIFY2(run.errors.first().contains(u"needs at least"_qs) && run.errors.first().contains(u"MB"_qs),
                 qPrintable(run.errors.first()));
        QVERIFY(filesIn(disk.path()).isEmpty());
        // Refused at once, not after rendering the speech (minutes of it).
        QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    }
    // Plain text needs no such room.
    QCOMPARE(convert({u"-q"_qs, input, disk.path() + u"/book.txt"_qs}).code, 0);
}

int main(int argc, char *argv[])
{
    // The converter reads the user's pronunciation lists: never the real ones.
    testsupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestConvertLibrary test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_convert_library.moc"
