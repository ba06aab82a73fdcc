// How the reader ends, watched from outside: the real program in a child
// process, on the real sound server.

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

class TestExit : public QObject
{
    Q_OBJECT
private slots:
    void readingThatEndsByItselfExitsCleanly();
    void versionNeedsNoDisplay();
};

namespace {

bool soundServerRunning()
{
    if (qEnvironmentVariableIsSet("PULSE_SERVER"))
        return true;
    return QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + u"/pulse/native"_qs);
}

} // namespace

// A command-line reading ends the program a few milliseconds after its
// stream closed, while the sound server still answers Qt's questions about
// its sinks. Qt 6.4 tore its PulseAudio engine down in an exit handler
// under such an answer and aborted; the reply delay makes that timing
// happen every time.
void TestExit::readingThatEndsByItselfExitsCleanly()
{
    if (!soundServerRunning())
        QSKIP("no sound server");
    QTemporaryDir config;
    QVERIFY(config.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"SAYORA_AUDIO"_qs);
    env.insert(u"SAYORA_FLITE_VOICES"_qs, QString());  // an espeak-ng voice: the shortest reading
    env.insert(u"XDG_CONFIG_HOME"_qs, config.path());
    env.insert(u"LD_PRELOAD"_qs, QStringLiteral(PULSE_REPLY_DELAY_LIB));
    env.insert(u"PULSE_REPLY_DELAY_MS"_qs, u"30"_qs);
    // The preloaded library comes before the sanitizer's runtime.
    env.insert(u"ASAN_OPTIONS"_qs, env.value(u"ASAN_OPTIONS"_qs) + u":verify_asan_link_order=0"_qs);
    for (int run = 0; run < 5; ++run) {
        QProcess reader;
        reader.setProcessEnvironment(env);
        reader.start(QStringLiteral(SAYORA_EXE), {u"Hi there."_qs});
        QVERIFY(reader.waitForStarted());
        QVERIFY2(reader.waitForFinished(60000), "the reading did not end");
        const QByteArray errors = reader.readAllStandardError().right(400);
        QVERIFY2(reader.exitStatus() == QProcess::NormalExit, errors.constData());
        QCOMPARE(reader.exitCode(), 0);
    }
}

// Package tools and users ask an installed program its version where there
// is no display at all: the answer must come before Qt looks for one.
void TestExit::versionNeedsNoDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"DISPLAY"_qs);
    env.remove(u"WAYLAND_DISPLAY"_qs);
    env.insert(u"QT_QPA_PLATFORM"_qs, u"no-such-platform"_qs);
    QProcess reader;
    reader.setProcessEnvironment(env);
    reader.start(QStringLiteral(SAYORA_EXE), {u"--version"_qs});
    QVERIFY(reader.waitForFinished(30000));
    QCOMPARE(reader.exitStatus(), QProcess::NormalExit);
    QCOMPARE(reader.exitCode(), 0);
    QCOMPARE(reader.readAllStandardOutput(), QByteArray("sayora " SAYORA_VERSION "\n"));
}

QTEST_GUILESS_MAIN(TestExit)
#include "tst_exit.moc"
