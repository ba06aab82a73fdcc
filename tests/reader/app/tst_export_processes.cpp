// Exports of the real reader watched from outside: the program in child
// processes, driven by a preloaded library that acts as its user.
#include "export/sound_file_commit.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

const QString kal = u"Flite Kal (US English, male, 16 kHz)"_qs;
const QString english = u"English (America)"_qs;
const QString sentence = u"The reader exports this text while it is watched from outside. "_qs;

// A reader that will save text as target with voice once go (if given) exists.
class DrivenReader : public QProcess
{
public:
    DrivenReader(const QString &config, const QString &target, const QString &voice, const QString &text,
                 const QString &go = QString(), const QString &alsoPreload = QString())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"SAYORA_AUDIO"_qs, u"null"_qs);
        env.insert(u"XDG_CONFIG_HOME"_qs, config);
        env.insert(u"LD_PRELOAD"_qs, (QStringList{QStringLiteral(EXPORT_DRIVER_LIB)} << alsoPreload).join(u' ').trimmed());
        // The preloaded library comes before the sanitizer's runtime.
        env.insert(u"ASAN_OPTIONS"_qs, env.value(u"ASAN_OPTIONS"_qs) + u":verify_asan_link_order=0"_qs);
        env.insert(u"SAYORA_DRIVE_TARGET"_qs, target);
        env.insert(u"SAYORA_DRIVE_VOICE"_qs, voice);
        env.insert(u"SAYORA_DRIVE_TEXT"_qs, text);
        if (!go.isEmpty())
            env.insert(u"SAYORA_DRIVE_GO"_qs, go);
        setProcessEnvironment(env);
        setProcessChannelMode(QProcess::ForwardedErrorChannel);
        start(QStringLiteral(SAYORA_EXE), {});
    }
    ~DrivenReader() override
    {
        if (state() != NotRunning) {
            kill();
            waitForFinished();
        }
    }
    // The lines the driver wrote so far.
    QStringList said()
    {
        m_out += QString::fromUtf8(readAllStandardOutput());
        return m_out.split(u'\n', Qt::SkipEmptyParts);
    }
    bool saidStartingWith(const QString &start)
    {
        const QStringList lines = said();
        return std::any_of(lines.begin(), lines.end(), [&](const QString &l) { return l.startsWith(start); });
    }

private:
    QString m_out;
};

// The size of the export's hidden WAV beside target, -1 while there is none.
qint64 renderedBytes(const QString &folder)
{
    const QFileInfoList files = QDir(folder).entryInfoList({u".*.wav"_qs}, QDir::Files | QDir::Hidden);
    return files.isEmpty() ? -1 : files.constFirst().size();
}

QString waveEndLine(const QString &config)
{
    QFile store(config + u"/sayora/registry.reg"_qs);
    if (!store.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : store.readAll().split('\n')) {
        if (line.startsWith("\"WaveEnd\""))
            return QString::fromUtf8(line);
    }
    return {};
}

} // namespace

class TestExportProcesses : public QObject
{
    Q_OBJECT
private slots:
    void signalDuringExport_data();
    void signalDuringExport();
    void twoReadersWithFliteVoices();
    void failureAfterTheFileIsInPlace();
};

void TestExportProcesses::signalDuringExport_data()
{
    QTest::addColumn<QString>("voice");
    QTest::addColumn<int>("signal");
    QTest::newRow("flite, SIGTERM") << kal << SIGTERM;
    QTest::newRow("flite, SIGHUP") << kal << SIGHUP;
    QTest::newRow("espeak-ng, SIGINT") << english << SIGINT;
    QTest::newRow("espeak-ng, SIGTERM") << english << SIGTERM;
}

// The signal ends the program, by that signal, with the rendering's
// temporary files gone and the control's flag no longer saying "rendering".
void TestExportProcesses::signalDuringExport()
{
    QFETCH(QString, voice);
    QFETCH(int, signal);
    QTemporaryDir config, out;
    const QString target = out.filePath(u"speech.mp3"_qs);
    DrivenReader reader(config.path(), target, voice, sentence.repeated(600));
    QVERIFY(reader.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(renderedBytes(out.path()) > 44, 60000);
    ::kill(pid_t(reader.processId()), signal);
    QVERIFY(reader.waitForFinished(30000));
    QCOMPARE(reader.exitStatus(), QProcess::CrashExit);
    QCOMPARE(reader.exitCode(), signal);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    if (voice == kal)
        QVERIFY2(!waveEndLine(config.path()).endsWith(u"dword:00000002"_qs), qPrintable(waveEndLine(config.path())));
}

// Two readers of one user: the second flite export is refused while the
// first waits for the one "WaveEnd" flag, and the first ends whole.
void TestExportProcesses::twoReadersWithFliteVoices()
{
    QTemporaryDir config, out;
    const QString first = out.filePath(u"first.mp3"_qs), second = out.filePath(u"second.mp3"_qs);
    const QString go = out.filePath(u"go"_qs);
    DrivenReader b(config.path(), second, kal, sentence.repeated(5), go);
    QTRY_VERIFY_WITH_TIMEOUT(b.saidStartingWith(u"ready"_qs), 60000);
    DrivenReader a(config.path(), first, kal, sentence.repeated(300));
    QTRY_VERIFY_WITH_TIMEOUT(renderedBytes(out.path()) > 44, 60000);
    QFile(go).open(QIODevice::WriteOnly);

    QTRY_VERIFY_WITH_TIMEOUT(b.state() == QProcess::NotRunning, 60000);
    const QStringList told = b.said().filter(u"message: "_qs);
    QVERIFY2(told.size() == 1 && told.constFirst().contains(second)
                 && told.constFirst().contains(u"Another Sayora window is exporting with a flite voice"_qs),
             qPrintable(b.said().join(u'\n')));
    QTRY_VERIFY_WITH_TIMEOUT(a.state() == QProcess::NotRunning, 120000);
    QVERIFY2(a.saidStartingWith(u"done: "_qs + first), qPrintable(a.said().join(u'\n')));
    QCOMPARE(a.exitCode(), 0);
    QFile mp3(first);
    QVERIFY(mp3.open(QIODevice::ReadOnly));
    double seconds = 0;
    QVERIFY(SoundFileCommit::checkMp3(mp3.readAll(), &seconds));
    QVERIFY2(seconds > 60, qPrintable(QString::number(seconds)));
    QDir folder(out.path());
    folder.remove(u"go"_qs);
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList({u"first.mp3"_qs}));
}

void TestExportProcesses::failureAfterTheFileIsInPlace()
{
    // The export's last step, flushing the folder that holds the file's new
    // name, fails: the file is there all the same, and that is what is told.
    QTemporaryDir config, out;
    const QString target = out.filePath(u"kept.mp3"_qs);
    DrivenReader reader(config.path(), target, english, sentence, QString(), QStringLiteral(FOLDER_SYNC_FAILURE_LIB));
    QTRY_VERIFY_WITH_TIMEOUT(reader.state() == QProcess::NotRunning, 120000);
    const QString said = reader.said().join(u'\n');
    QVERIFY2(reader.saidStartingWith(u"done: "_qs + target), qPrintable(said));
    QVERIFY2(!reader.saidStartingWith(u"message: "_qs), qPrintable(said));
    QVERIFY2(reader.saidStartingWith(u"note: "_qs + target + u" is in place"_qs), qPrintable(said));
    QFile mp3(target);
    QVERIFY(mp3.open(QIODevice::ReadOnly));
    double seconds = 0;
    QVERIFY(SoundFileCommit::checkMp3(mp3.readAll(), &seconds));
    QVERIFY(seconds > 2);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList({u"kept.mp3"_qs}));
}

QTEST_GUILESS_MAIN(TestExportProcesses)
#include "tst_export_processes.moc"
