#include "files/atomic_file.h"

#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>
#include <csignal>
#include <cerrno>
#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::contents;
using testsupport::writeFile;

namespace {

// Flushes to the disk pass through here (this program's fsync stands in for
// the C library's in the library under test), so that a test can make them
// fail as a failing disk would, and count them.
enum class SyncFault { None, Files, Folders };
std::atomic<SyncFault> syncFault{SyncFault::None};
std::atomic<int> syncs{0};

} // namespace

extern "C" int fsync(int fd)
{
    using fsync_fn = int (*)(int);
    static const auto real = reinterpret_cast<fsync_fn>(dlsym(RTLD_NEXT, "fsync"));
    ++syncs;
    struct stat status {};
    const bool folder = fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
    const SyncFault fault = syncFault;
    if ((fault == SyncFault::Files && !folder) || (fault == SyncFault::Folders && folder)) {
        errno = EIO;
        return -1;
    }
    return real(fd);
}

namespace {

// Every entry of a folder, hidden ones too: a temporary left behind shows.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

mode_t modeOf(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

} // namespace

class TestAtomicFile : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        syncFault = SyncFault::None;
    }

    // The bytes exactly; an old file keeps its permissions, a new one gets a
    // new file's; each commit flushes the file and then its folder.
    void replacesWhole()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(u"settings.ini"_qs);
        const QByteArray first("\x00\xff first\r\n", 10);
        const mode_t oldMask = ::umask(027);
        syncs = 0;
        QString error;
        const bool made = AtomicFile::write(target, first, &error);
        ::umask(oldMask);
        QVERIFY2(made, qPrintable(error));
        QCOMPARE(contents(target), first);
        QCOMPARE(modeOf(target), mode_t(0640));
        QCOMPARE(syncs.load(), 2);

        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        const QByteArray second = QByteArray("second ").repeated(10000);
        AtomicFile file(target);
        QVERIFY(file.open());
        // Nothing changes before the commit.
        QVERIFY(file.write(second.left(5)));
        QVERIFY(file.write(second.mid(5)));
        QCOMPARE(contents(target), first);
        QVERIFY2(file.commit(), qPrintable(file.errorString()));
        QVERIFY(file.replaced());
        QCOMPARE(contents(target), second);
        QCOMPARE(modeOf(target), mode_t(0604));
        QCOMPARE(entries(dir.path()), QStringList{u"settings.ini"_qs});

        // An empty file is a file too.
        QVERIFY(AtomicFile::write(target, QByteArray()));
        QCOMPARE(QFileInfo(target).size(), 0);
    }

    // A file worthless after a crash is not flushed at all.
    void notDurable()
    {
        QTemporaryDir dir;
        syncs = 0;
        AtomicFile file(dir.filePath(u"part.wav"_qs));
        file.setDurable(false);
        QVERIFY(file.open() && file.write("x") && file.commit());
        QCOMPARE(syncs.load(), 0);
    }

    void throughLinks_data()
    {
        QTest::addColumn<QString>("link");  // made in "links", relative to it
        QTest::addColumn<QString>("file");  // the file the link names, relative to the top
        QTest::newRow("link to a file") << u"../files/book.txt"_qs << u"files/book.txt"_qs;
        QTest::newRow("link to a missing file") << u"../files/new.txt"_qs << u"files/new.txt"_qs;
        QTest::newRow("chain of links") << u"hop"_qs << u"files/book.txt"_qs;
        QTest::newRow("absolute link") << u"<top>/files/book.txt"_qs << u"files/book.txt"_qs;
    }
    // The file a link names is replaced, beside itself, and the link stays.
    void throughLinks()
    {
        QFETCH(QString, link);
        QFETCH(QString, file);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"links"_qs));
        writeFile(dir.filePath(u"files/book.txt"_qs), "old");
        QVERIFY(QFile::link(u"../files/book.txt"_qs, dir.filePath(u"links/hop"_qs)));
        link.replace(u"<top>"_qs, dir.path());
        const QString name = dir.filePath(u"links/name.txt"_qs);
        QVERIFY(QFile::link(link, name));
        const QString named = QFileInfo(name).symLinkTarget();

        AtomicFile atomic(name);
        QCOMPARE(atomic.fileName(), dir.filePath(file));
        QVERIFY(atomic.open());
        QVERIFY(atomic.write("new"));
        QVERIFY2(atomic.commit(), qPrintable(atomic.errorString()));

        QVERIFY(QFileInfo(name).isSymLink());
        QCOMPARE(QFileInfo(name).symLinkTarget(), named);
        QCOMPARE(contents(dir.filePath(file)), QByteArray("new"));
        QCOMPARE(contents(name), QByteArray("new"));
        QCOMPARE(entries(dir.filePath(u"links"_qs)), (QStringList{u"hop"_qs, u"name.txt"_qs}));
        QVERIFY(!entries(dir.filePath(u"files"_qs)).join(u' ').contains(u'.' + QFileInfo(file).fileName() + u'.'));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("full disk") << u"full disk"_qs;
        QTest::newRow("disk already full") << u"disk already full"_qs;
        QTest::newRow("read-only folder") << u"read-only folder"_qs;
        QTest::newRow("missing folder") << u"missing folder"_qs;
        QTest::newRow("a folder in the way") << u"a folder in the way"_qs;
        QTest::newRow("the file's flush fails") << u"file flush"_qs;
        QTest::newRow("file size limit") << u"file size limit"_qs;
    }
    // Whatever fails, the call says so, the old file is whole and no
    // temporary file is left behind.
    void failures()
    {
        QFETCH(QString, how);
        QTemporaryDir dir;
        testsupport::TinyFileSystem disk(dir.filePath(u"disk"_qs));
        const bool needsDisk = how.contains(u"disk"_qs) || how == u"read-only folder"_qs;
        if (needsDisk && !disk.isMounted())
            QSKIP("this user cannot mount a file system");
        const QString folder = needsDisk ? disk.path() : dir.filePath(u"plain"_qs);
        const QString target = folder + u"/book.txt"_qs;
        const QByteArray old("the user's file");
        writeFile(target, old);
        QByteArray bytes = QByteArray("new words ").repeated(10000);  // more than the disk holds
        QString name = target;

        if (how == u"disk already full"_qs) {
            QFile filler(folder + u"/filler"_qs);
            QVERIFY(filler.open(QIODevice::WriteOnly));
            while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
            }
            bytes = "tiny";
        } else if (how == u"read-only folder"_qs) {
            QVERIFY(disk.makeReadOnly());
            bytes = "tiny";
        } else if (how == u"missing folder"_qs) {
            name = folder + u"/gone/book.txt"_qs;
        } else if (how == u"a folder in the way"_qs) {
            name = folder + u"/folder"_qs;
            QVERIFY(QDir(folder).mkdir(u"folder"_qs));
            writeFile(name + u"/inside"_qs, "x");
            bytes = "tiny";
        } else if (how == u"file flush"_qs) {
            syncFault = SyncFault::Files;
        }
        const QStringList before = entries(folder);

        QString error, reason;
        bool written = true;
        const auto attempt = [&] {
            AtomicFile file(name);
            written = file.open() && file.write(bytes) && file.commit();
            error = file.errorString();
            reason = file.reason();
        };
        if (how == u"file size limit"_qs) {
            // The disk "fills up" after 16 bytes, whoever runs the test.
            rlimit limit{};
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit tight = limit;
            tight.rlim_cur = 16;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
            attempt();
            setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, oldHandler);
        } else {
            attempt();
        }

        QVERIFY(!written);
        QVERIFY2(error.startsWith(name + u' ') && error.endsWith(u": "_qs + reason), qPrintable(error));
        if (how.contains(u"full"_qs))
            QCOMPARE(reason, u"No space left on device"_qs);
        if (how == u"file flush"_qs)
            QCOMPARE(reason, u"Input/output error"_qs);
        QCOMPARE(contents(target), old);
        QCOMPARE(entries(folder), before);
    }

    // A folder that cannot be flushed after the rename: the new file is in
    // place, and the caller hears that its name may not have reached the
    // disk.
    void folderFlushFails()
    {
        QTemporaryDir dir;
        const QString target = writeFile(dir.filePath(u"a.txt"_qs), "old");
        syncFault = SyncFault::Folders;
        AtomicFile file(target);
        QVERIFY(file.open() && file.write("new"));
        QVERIFY(!file.commit());
        QVERIFY(file.replaced());
        QVERIFY2(file.errorString().contains(u"is in place"_qs), qPrintable(file.errorString()));
        QCOMPARE(contents(target), QByteArray("new"));
        QCOMPARE(entries(dir.path()), QStringList{u"a.txt"_qs});
    }

    // Given up, destroyed or misused: the target stays, nothing is left.
    void notCommitted()
    {
        QTemporaryDir dir;
        const QString target = writeFile(dir.filePath(u"a.txt"_qs), "old");
        {
            AtomicFile dropped(target);
            QVERIFY(dropped.open() && dropped.write("new"));
            QCOMPARE(entries(dir.path()).size(), 2);
        }
        AtomicFile cancelled(target);
        QVERIFY(cancelled.open() && cancelled.write("new"));
        cancelled.cancel();
        QVERIFY(!cancelled.commit());
        QVERIFY(!cancelled.errorString().isEmpty());
        AtomicFile unopened(target);
        QVERIFY(!unopened.write("new"));
        QVERIFY(!unopened.commit());
        // In one call, the system's words come back alone.
        QString reason;
        QVERIFY(!AtomicFile::write(dir.filePath(u"gone/a.txt"_qs), "new", &reason));
        QCOMPARE(reason, u"No such file or directory"_qs);
        QCOMPARE(contents(target), QByteArray("old"));
        QCOMPARE(entries(dir.path()), QStringList{u"a.txt"_qs});
    }

    // Another writer's finished file, made beside a target whose name is as
    // long as a name may be, is put in its place.
    void adoptsFinishedFile()
    {
        QTemporaryDir dir;
        const QString target = writeFile(dir.filePath(QString(251, u'n') + u".wav"_qs), "old");
        const QString finished = AtomicFile::temporaryBeside(target, u".wav"_qs);
        QVERIFY(!finished.isEmpty());
        QVERIFY(QFileInfo(finished).fileName().startsWith(u'.'));
        QVERIFY(finished.endsWith(u".wav"_qs));
        writeFile(finished, "made by an encoder");
        AtomicFile file(target);
        file.adopt(finished);
        QVERIFY2(file.commit(), qPrintable(file.errorString()));
        QCOMPARE(contents(target), QByteArray("made by an encoder"));
        QCOMPARE(entries(dir.path()), QStringList{QFileInfo(target).fileName()});
        // The same long name, written by this class.
        QVERIFY(AtomicFile::write(target, "again"));
        QCOMPARE(contents(target), QByteArray("again"));
    }

    // Two writers at once: whoever commits last wins, and a reader meanwhile
    // only ever sees one whole file.
    void twoWriters()
    {
        QTemporaryDir dir;
        const QString target = writeFile(dir.filePath(u"record"_qs), "start");
        AtomicFile a(target), b(target);
        QVERIFY(a.open() && b.open());
        QVERIFY(a.write("from a") && b.write("from b"));
        QVERIFY(b.commit());
        QVERIFY(a.commit());
        QCOMPARE(contents(target), QByteArray("from a"));

        const QList<QByteArray> versions{QByteArray(70000, 'a'), QByteArray(130000, 'b')};
        std::atomic<bool> failed{false};
        auto writer = [&](const QByteArray &bytes) {
            for (int i = 0; i < 150 && !failed; ++i) {
                AtomicFile file(target);
                file.setDurable(false);
                if (!file.open() || !file.write(bytes) || !file.commit())
                    failed = true;
            }
        };
        std::unique_ptr<QThread> first(QThread::create(writer, versions.at(0)));
        std::unique_ptr<QThread> second(QThread::create(writer, versions.at(1)));
        first->start();
        second->start();
        int reads = 0;
        qsizetype torn = -1;
        while (!first->isFinished() || !second->isFinished()) {
            const QByteArray seen = contents(target);
            if (seen != "from a" && !versions.contains(seen))
                torn = seen.size();
            ++reads;
        }
        QVERIFY(first->wait() && second->wait());
        QVERIFY(!failed);
        QVERIFY(reads > 0);
        QCOMPARE(torn, -1);
        QVERIFY(versions.contains(contents(target)));
        QCOMPARE(entries(dir.path()), QStringList{u"record"_qs});
    }
};

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomic_file.moc"
