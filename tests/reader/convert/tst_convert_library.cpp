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
#include <QSet>
#include <QTimer>

#include <utime.h>
#include <QProcess>
#include <QRegularExpression>
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
    void stoppedWorkersEndTogether_data();
    void stoppedWorkersEndTogether();
    void workersServeJobAfterJob();
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
    QTest::newRow("piece's worker killed") << false;
    QTest::newRow("batch's worker killed") << true;
}

// A conversion whose worker (a piece's or a batch's) is killed by a signal
// ends with 5, the status worth retrying; its temporaries are gone and the
// old output stays.
void TestConvertLibrary::killedProcessesMayBeRetried()
{
    QFETCH(bool, batch);
    const QByteArray victim = "sayora-convert";
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

// The hidden names in folder: the temporaries of conversions among them.
QStringList hiddenIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot).filter(QRegularExpression(u"^\\."_qs));
}

// A conversion killed outright (SIGKILL) leaves its temporaries; the next
// conversion into the folder removes them and says so, but only once the
// one that made them has ended. A user's own hidden files, however old and
// however like ours their names are, and links by our names stay.
void TestConvertLibrary::leftoversOfAKilledConversionRemoved()
{
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString input = testsupport::writeFile(dir.filePath(u"in.txt"_qs), "A short text.");
    const QString book = testsupport::writeFile(dir.filePath(u"book.txt"_qs), longText());
    QDir(dir.path()).mkdir(u"out"_qs);
    const QString out = dir.filePath(u"out"_qs);
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-2 * 3600);
    const QStringList users{u".holiday.Ab12Cd.wav"_qs, u".holiday.Ab12Cd.mp3"_qs, u".trip.mp3.Zz9Zz9.parts"_qs,
                            u".notes.txt"_qs, u".link.mp3.Ab3dE9.wav"_qs};
    for (const QString &name : {users.at(0), users.at(1), users.at(2) + u"/001.txt"_qs, users.at(3)}) {
        QFile file(testsupport::writeFile(out + u'/' + name, "RIFF the user's own"));
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    const utimbuf times{old.toSecsSinceEpoch(), old.toSecsSinceEpoch()};
    QCOMPARE(::utime(QFile::encodeName(out + u'/' + users.at(2)).constData(), &times), 0);
    const QString target = testsupport::writeFile(elsewhere.filePath(u"precious.wav"_qs), "keep");
    QVERIFY(QFile::link(target, out + u"/.link.mp3.Ab3dE9.wav"_qs));

    const auto leftovers = [&] {
        QStringList left = hiddenIn(out);
        for (const QString &name : users)
            left.removeAll(name);
        return left;
    };
    // Killed while reading aloud: by itself (its WAV and MP3 temporaries
    // beside the output), and with two workers (its folder of parts); the
    // second removes the first one's.
    QStringList first;
    for (const QString &jobs : {u"1"_qs, u"2"_qs}) {
        QProcess p;
        p.start(QStringLiteral(SAYORA_CONVERT_EXE), {u"-q"_qs, u"-j"_qs, jobs, book, out + u"/book.mp3"_qs});
        QVERIFY(p.waitForStarted());
        const auto started = [&] {
            if (jobs == u"2")
                return !childrenNamed(p.processId(), "sayora-convert").isEmpty();
            const QStringList waves = QDir(out).entryList({u".book.mp3.*.wav"_qs}, QDir::Files | QDir::Hidden);
            return !waves.isEmpty() && QFileInfo(out + u'/' + waves.first()).size() > 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(started() || p.state() != QProcess::Running, 60000);
        QVERIFY2(p.state() == QProcess::Running, "the conversion ended before it was killed");
        if (jobs == u"1") {
            // Another conversion into the folder meanwhile leaves a running
            // one's temporaries alone.
            const QStringList running = hiddenIn(out);
            const Run other = convert({input, out + u"/in.txt"_qs});
            QCOMPARE(other.code, 0);
            QVERIFY2(other.errors.isEmpty(), qPrintable(other.errors.join(u'\n')));
            QCOMPARE(hiddenIn(out), running);
        }
        const QList<pid_t> workers = childrenNamed(p.processId(), "sayora-convert");
        ::kill(pid_t(p.processId()), SIGKILL);
        QVERIFY(p.waitForFinished(30000));
        // Workers end with their parent, removing their own files.
        for (pid_t worker : workers)
            QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(u"/proc/%1"_qs.arg(worker)), 30000);
        if (jobs == u"1") {
            first = leftovers();
            QCOMPARE(first.size(), 2);
            QCOMPARE(first.filter(QRegularExpression(u"^\\.book\\.mp3\\.\\w{6}\\.wav$"_qs)).size(), 1);
            QCOMPARE(first.filter(QRegularExpression(u"^\\.book\\.mp3\\.\\w{6}\\.mp3$"_qs)).size(), 1);
        } else {
            const QString said = QString::fromLocal8Bit(p.readAllStandardError());
            for (const QString &name : first)
                QVERIFY2(said.contains(name) && !leftovers().contains(name), qPrintable(said));
        }
    }
    const QStringList left = leftovers();
    QCOMPARE(left.size(), 1);
    QVERIFY2(left.first().endsWith(u".parts"_qs), qPrintable(left.first()));

    const Run run = convert({input, out + u"/in.txt"_qs});
    QCOMPARE(run.code, 0);
    QStringList expected = users;
    expected << u"in.txt"_qs;
    expected.sort();
    QCOMPARE(filesIn(out), expected);
    for (const QString &name : {users.at(0), users.at(1), users.at(2) + u"/001.txt"_qs, users.at(3)})
        QCOMPARE(contents(out + u'/' + name), QByteArray("RIFF the user's own"));
    QCOMPARE(contents(target), QByteArray("keep"));
    QCOMPARE(run.errors.size(), left.size());
    for (const QString &name : left)
        QVERIFY2(run.errors.filter(name).size() == 1 && run.errors.filter(name).first().contains(u"killed"_qs),
                 qPrintable(run.errors.join(u'\n')));

    // A batch into the folder does the same.
    QProcess p;
    p.start(QStringLiteral(SAYORA_CONVERT_EXE), {u"-q"_qs, u"-j"_qs, u"1"_qs, book, out + u"/book.mp3"_qs});
    QVERIFY(p.waitForStarted());
    const auto reading = [&] {
        const QStringList waves = QDir(out).entryList({u".book.mp3.*.wav"_qs}, QDir::Files | QDir::Hidden);
        return !waves.isEmpty() && QFileInfo(out + u'/' + waves.first()).size() > 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(reading() || p.state() != QProcess::Running, 60000);
    ::kill(pid_t(p.processId()), SIGKILL);
    QVERIFY(p.waitForFinished(30000));
    QVERIFY(hiddenIn(out).size() > users.size());
    QCOMPARE(convert({u"-q"_qs, u"-o"_qs, out, u"-f"_qs, u"txt"_qs, input}).code, 0);
    QCOMPARE(filesIn(out), expected);
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

void TestConvertLibrary::stoppedWorkersEndTogether_data()
{
    QTest::addColumn<bool>("batch");
    QTest::newRow("a batch") << true;
    QTest::newRow("a long text in pieces") << false;
}

// Interrupted, a conversion tells all its workers at once and gives those
// that do not end a common grace, not one after another: three workers
// that cannot answer (stopped) are ended together.
void TestConvertLibrary::stoppedWorkersEndTogether()
{
    QFETCH(bool, batch);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(u"out"_qs);
    const QString out = dir.filePath(u"out"_qs);
    QStringList inputs;
    for (const char *name : {"a", "b", "c"})
        inputs << testsupport::writeFile(dir.filePath(u"%1.txt"_qs.arg(QLatin1String(name))), longText());
    QProcess p;
    const QStringList common{u"-q"_qs, u"-j"_qs, u"3"_qs, u"--voice"_qs, u"English (America)"_qs};
    p.start(QStringLiteral(SAYORA_CONVERT_EXE), batch ? common + QStringList{u"-o"_qs, out, u"-f"_qs, u"mp3"_qs} + inputs
                                                      : common + QStringList{inputs.first(), out + u"/a.mp3"_qs});
    QVERIFY(p.waitForStarted());
    // Workers running their program (a fork not yet so still bears the
    // parent's command line).
    const auto running = [&] {
        QList<pid_t> workers = childrenNamed(p.processId(), "sayora-convert");
        workers.removeIf([](pid_t worker) { return !contents(u"/proc/%1/cmdline"_qs.arg(worker)).contains("--serve"); });
        return workers;
    };
    QTRY_VERIFY_WITH_TIMEOUT(running().size() >= 3 || p.state() != QProcess::Running, 60000);
    const QList<pid_t> workers = running();
    QCOMPARE(workers.size(), 3);
    const auto state = [](pid_t worker) {
        const QByteArray stat = contents(u"/proc/%1/stat"_qs.arg(worker));
        return stat.mid(stat.lastIndexOf(')') + 2, 1);
    };
    for (const pid_t worker : workers) {
        ::kill(worker, SIGSTOP);
        QTRY_COMPARE_WITH_TIMEOUT(state(worker), QByteArray("T"), 10000);
    }
    QElapsedTimer timer;
    timer.start();
    ::kill(pid_t(p.processId()), SIGINT);
    QVERIFY(p.waitForFinished(60000));
    // One grace of ten seconds for all, not ten for each.
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    for (const pid_t worker : workers)
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(u"/proc/%1"_qs.arg(worker)), 10000);
    // What the killed ones could not remove goes with the next conversion.
    QCOMPARE(convert({u"-q"_qs, u"-o"_qs, out, u"-f"_qs, u"txt"_qs, inputs.first()}).code, 0);
    QCOMPARE(filesIn(out), QStringList{u"a.txt"_qs});
}

// A batch of many files runs on as many workers as it may have at once,
// each taking one file after another (the voices are loaded once a
// worker, not once a file), and a file that fails fails alone: the worker
// goes on with the next.
void TestConvertLibrary::workersServeJobAfterJob()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(u"out"_qs);
    QStringList inputs;
    for (const char *name : {"a", "b", "c", "d", "e", "f"})
        inputs << testsupport::writeFile(dir.filePath(u"%1.txt"_qs.arg(QLatin1String(name))), longText().left(6000));
    // Unreadable: a program, not a text.
    testsupport::writeFile(inputs[2], contents(u"/bin/true"_qs).left(4096));
    QProcess p;
    p.start(QStringLiteral(SAYORA_CONVERT_EXE), QStringList{u"-q"_qs, u"-j"_qs, u"2"_qs, u"--voice"_qs, u"English (America)"_qs,
                                                            u"-o"_qs, dir.filePath(u"out"_qs), u"-f"_qs, u"mp3"_qs} + inputs);
    QVERIFY(p.waitForStarted());
    // Every worker seen while the batch runs (each job takes a second or
    // more: one process per job could not hide).
    QSet<pid_t> seen;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        for (const pid_t worker : childrenNamed(p.processId(), "sayora-convert")) {
            if (contents(u"/proc/%1/cmdline"_qs.arg(worker)).contains("--serve"))
                seen.insert(worker);
        }
    });
    look.start(5);
    QTRY_VERIFY_WITH_TIMEOUT(p.state() == QProcess::NotRunning, 240000);
    look.stop();
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 2);
    const QString errors = QString::fromLocal8Bit(p.readAllStandardError());
    QVERIFY2(errors.contains(u"c.txt"_qs) && errors.count(u"sayora-convert: "_qs) == 1, qPrintable(errors));
    QCOMPARE(filesIn(dir.filePath(u"out"_qs)),
             (QStringList{u"a.mp3"_qs, u"b.mp3"_qs, u"d.mp3"_qs, u"e.mp3"_qs, u"f.mp3"_qs}));
    QVERIFY2(!seen.isEmpty() && seen.size() <= 2, qPrintable(QString::number(seen.size())));
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
