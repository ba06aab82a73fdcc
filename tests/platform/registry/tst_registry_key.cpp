#include "registry/registry_key.h"

#include "support/test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTest>

namespace {

const QString appPaths = u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\sayora.exe"_qs;

// Child mode: writes count values named prefix0…prefixN-1, each through its
// own open and close, as the control writes "WaveEnd".
int writeValues(const QString &prefix, int count)
{
    for (int i = 0; i < count; ++i) {
        RegistryKey key;
        if (key.open(appPaths) != RegistryKey::Success
            || key.setDword(prefix + QString::number(i), quint32(i)) != RegistryKey::Success)
            return 1;
    }
    return 0;
}

} // namespace

class TestRegistryKey : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QFile::remove(RegistryKey::storeFile());
        QDir(RegistryKey::storeFile()).removeRecursively();
    }

    void valuesRoundTrip()
    {
        RegistryKey key;
        QCOMPARE(key.open(appPaths), RegistryKey::NotFound);
        QVERIFY(!key.isOpen());
        QCOMPARE(key.create(appPaths), RegistryKey::Success);

        const QString awkward = u"C:\\Program Files\\\"quoted\"\nline two ✓ 😀"_qs;
        QCOMPARE(key.setString(u""_qs, awkward), RegistryKey::Success);
        QCOMPARE(key.setString(u"Path"_qs, u"/usr/share/sayora/"_qs), RegistryKey::Success);
        QCOMPARE(key.setDword(u"WaveEnd"_qs, 0xFFFFFFFFu), RegistryKey::Success);
        QCOMPARE(key.setDword(u"WaveEnd"_qs, 2), RegistryKey::Success);  // replaces

        // A fresh handle reads what is on disk; names ignore case, as do
        // key paths and root abbreviations.
        RegistryKey other;
        QCOMPARE(other.open(u"hklm\\software\\microsoft\\windows\\currentversion\\app paths\\SAYORA.EXE\\"_qs,
                            RegistryKey::ReadOnly), RegistryKey::Success);
        QString text;
        quint32 number = 0;
        QCOMPARE(other.queryString(u""_qs, &text), RegistryKey::Success);
        QCOMPARE(text, awkward);
        QCOMPARE(other.queryDword(u"waveend"_qs, &number), RegistryKey::Success);
        QCOMPARE(number, 2u);
        QCOMPARE(other.queryDword(u"Path"_qs, &number), RegistryKey::InvalidData);
        QCOMPARE(other.queryString(u"Missing"_qs, &text), RegistryKey::NotFound);
        QCOMPARE(other.setDword(u"WaveEnd"_qs, 3), RegistryKey::AccessDenied);

        // Parents exist once a child was created; classes root is a view.
        QCOMPARE(other.open(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft"_qs), RegistryKey::Success);
        QCOMPARE(key.create(u"HKEY_CLASSES_ROOT\\CLSID\\{X}"_qs), RegistryKey::Success);
        QCOMPARE(other.open(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\CLSID\\{x}"_qs), RegistryKey::Success);
        QCOMPARE(other.open(u"HKEY_NOWHERE\\x"_qs), RegistryKey::BadPath);

        // Deleting a tree takes subkeys; a handle on it then sees the key gone.
        QCOMPARE(key.open(appPaths), RegistryKey::Success);
        QCOMPARE(RegistryKey::deleteTree(u"HKLM\\SOFTWARE\\Microsoft\\Windows"_qs), RegistryKey::Success);
        QCOMPARE(key.queryDword(u"WaveEnd"_qs, &number), RegistryKey::KeyDeleted);
        QCOMPARE(key.setDword(u"WaveEnd"_qs, 1), RegistryKey::KeyDeleted);
        QCOMPARE(RegistryKey::deleteTree(u"HKLM\\SOFTWARE\\Microsoft\\Windows"_qs), RegistryKey::NotFound);
        QCOMPARE(other.open(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft"_qs), RegistryKey::Success);
    }

    void damagedLinesCostOnlyThemselves()
    {
        testsupport::writeFile(RegistryKey::storeFile(),
                               "[HKEY_LOCAL_MACHINE\\A]\n"
                               "\"Good\"=dword:00000007\n"
                               "\"Short\"=dword:7\n"
                               "\"Open=\"no end\n"
                               "garbage line\n"
                               "\"Text\"=\"kept\"\r\n"
                               "[HKEY_NOWHERE\\B]\n"
                               "\"Lost\"=\"with its key\"\n"
                               "[HKEY_LOCAL_MACHINE\\C\n");
        RegistryKey key;
        QCOMPARE(key.open(u"HKEY_LOCAL_MACHINE\\A"_qs), RegistryKey::Success);
        quint32 number = 0;
        QString text;
        QCOMPARE(key.queryDword(u"Good"_qs, &number), RegistryKey::Success);
        QCOMPARE(number, 7u);
        QCOMPARE(key.queryDword(u"Short"_qs, &number), RegistryKey::NotFound);
        QCOMPARE(key.queryString(u"Text"_qs, &text), RegistryKey::Success);
        QCOMPARE(text, u"kept"_qs);
        // A change rewrites the file clean.
        QCOMPARE(key.setString(u"New"_qs, u"v"_qs), RegistryKey::Success);
        QCOMPARE(key.queryDword(u"Good"_qs, &number), RegistryKey::Success);
    }

    void unusableStoreIsReported()
    {
        // A folder where the store file should be: neither root nor anyone
        // else can read or replace it.
        QVERIFY(QDir().mkpath(RegistryKey::storeFile()));
        RegistryKey key;
        QCOMPARE(key.open(appPaths), RegistryKey::CantRead);
        QCOMPARE(key.create(appPaths), RegistryKey::CantRead);
        QVERIFY(!key.isOpen());
    }

    void keyThatMustNotStallIsToldBusy()
    {
        RegistryKey key;
        QCOMPARE(key.create(appPaths), RegistryKey::Success);
        QCOMPARE(key.setDword(u"WaveEnd"_qs, 1), RegistryKey::Success);
        key.setLockWait(RegistryKey::frameLockWaitMs);
        {
            // Another change under way holds the store's lock.
            QLockFile other(RegistryKey::storeFile() + u".lock"_qs);
            QVERIFY(other.lock());
            QCOMPARE(key.setDword(u"WaveEnd"_qs, 3), RegistryKey::Busy);
            // Reading needs no lock, and nothing was written.
            quint32 number = 0;
            QCOMPARE(key.queryDword(u"WaveEnd"_qs, &number), RegistryKey::Success);
            QCOMPARE(number, 1u);
            // A moved key keeps its short wait.
            RegistryKey moved = std::move(key);
            QCOMPARE(moved.setDword(u"WaveEnd"_qs, 3), RegistryKey::Busy);
            key = std::move(moved);
        }
        // Tried again once the lock is free, it gets through.
        QCOMPARE(key.setDword(u"WaveEnd"_qs, 3), RegistryKey::Success);
        quint32 number = 0;
        QCOMPARE(key.queryDword(u"WaveEnd"_qs, &number), RegistryKey::Success);
        QCOMPARE(number, 3u);
    }

    void concurrentWritersLoseNothing()
    {
        RegistryKey key;
        QCOMPARE(key.create(appPaths), RegistryKey::Success);
        constexpr int perWriter = 40;
        QList<QProcess *> writers;
        for (const QString &prefix : {u"a"_qs, u"b"_qs, u"c"_qs}) {
            auto *p = new QProcess(this);
            p->start(QCoreApplication::applicationFilePath(), {u"--write"_qs, prefix, QString::number(perWriter)});
            writers << p;
        }
        // This process writes too, while the children do.
        QCOMPARE(writeValues(u"main"_qs, perWriter), 0);
        for (QProcess *p : writers) {
            QVERIFY(p->waitForFinished(60000));
            QCOMPARE(p->exitCode(), 0);
        }
        for (const QString &prefix : {u"a"_qs, u"b"_qs, u"c"_qs, u"main"_qs}) {
            for (int i = 0; i < perWriter; ++i) {
                quint32 number = 99;
                QCOMPARE(key.queryDword(prefix + QString::number(i), &number), RegistryKey::Success);
                QCOMPARE(number, quint32(i));
            }
        }
    }
};

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--write") == 0) {
        // A child: it shares the parent's private folders.
        QCoreApplication app(argc, argv);
        return writeValues(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]).toInt());
    }
    testsupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    TestRegistryKey test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_registry_key.moc"
