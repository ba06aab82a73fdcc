// The reader on a sound server of its own that dies while it speaks: the
// reading goes on silently and the window keeps answering.

#include "app/sayora_main.h"
#include "audio/speech_player.h"
#include "sapi4/direct_ss.h"
#include "speech/speech_controller.h"
#include "support/test_support.h"
#include "ui/image_button.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

using testsupport::named;

namespace {

// A frozen window never returns to the test: end it with a clear message
// instead of waiting for the test runner's time limit.
class Watchdog
{
public:
    explicit Watchdog(std::chrono::seconds limit)
        : m_thread([this, limit] {
              std::unique_lock lock(m_mutex);
              if (!m_done.wait_for(lock, limit, [this] { return m_finished; })) {
                  std::fprintf(stderr, "FAIL: the window stopped answering\n");
                  std::abort();
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

} // namespace

class TestSoundServer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void serverDiesWhileSpeaking();

private:
    QTemporaryDir m_runtime;
    QProcess m_server;
};

// Started before anything in this process talks to a sound server, which
// then is this one.
void TestSoundServer::initTestCase()
{
    if (QStandardPaths::findExecutable(u"pulseaudio"_qs).isEmpty())
        QSKIP("no PulseAudio");
    QVERIFY(m_runtime.isValid());
    QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString socket = m_runtime.filePath(u"native"_qs);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_RUNTIME_DIR"_qs, m_runtime.path());
    env.insert(u"HOME"_qs, m_runtime.path());
    m_server.setProcessEnvironment(env);
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.start(u"pulseaudio"_qs, {u"-n"_qs, u"--daemonize=no"_qs, u"--exit-idle-time=-1"_qs,
                                      u"--use-pid-file=no"_qs, u"--log-target=stderr"_qs, u"--log-level=0"_qs,
                                      u"--load=module-null-sink sink_name=sayora_test"_qs,
                                      u"--load=module-native-protocol-unix auth-anonymous=1 socket="_qs + socket});
    QVERIFY(m_server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 20000);
    qputenv("PULSE_SERVER", "unix:" + socket.toUtf8());
}

void TestSoundServer::cleanupTestCase()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.kill();
        m_server.waitForFinished();
    }
}

void TestSoundServer::serverDiesWhileSpeaking()
{
    Watchdog watchdog(std::chrono::seconds(120));
    SayoraMain window;
    window.load(QString());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    named<QPlainTextEdit>(window, "MainTxtBox")->setFocus();
    QTest::keyClicks(named<QPlainTextEdit>(window, "MainTxtBox"), u"The reader speaks this sentence, then the next one, until the text ends. "_qs
                                            u"A second sentence follows the first, and a third one the second. "_qs
                                            u"The last sentence of this text is long enough to be heard for a while."_qs);

    DirectSS *dss = window.speech()->directSS();
    QSignalSpy started(dss, &DirectSS::AudioStart);
    QSignalSpy words(dss, &DirectSS::WordPosition);
    QSignalSpy stopped(dss, &DirectSS::AudioStop);
    click(named<ImageButton>(window, "Image4"));
    QVERIFY(started.wait(20000));
    auto *player = dss->findChild<SpeechPlayer *>();
    QVERIFY(player);
    QVERIFY2(!player->usesNullSink(), "the reading plays on the test's sound server");
    QTRY_VERIFY_WITH_TIMEOUT(words.count() >= 2, 20000);

    m_server.kill();
    QVERIFY(m_server.waitForFinished());
    // The window is busy for a moment as the server dies (as on a loaded
    // machine): the user's next clicks reach it before Qt has handled the
    // lost connection, while the stream is already gone.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    click(named<ImageButton>(window, "Image5"));  // Pause
    click(named<ImageButton>(window, "Image4"));  // and go on
    const qsizetype heard = words.count();
    // The words go on coming, against the silent clock.
    QTRY_VERIFY_WITH_TIMEOUT(words.count() >= heard + 4, 30000);
    QVERIFY(player->usesNullSink());

    click(named<ImageButton>(window, "Image6"));
    QTRY_VERIFY_WITH_TIMEOUT(stopped.count() >= 1, 10000);
    window.close();
    QVERIFY(!window.isVisible());
}

int main(int argc, char *argv[])
{
    testsupport::isolateUserFolders();
    qunsetenv("SAYORA_AUDIO");
    qputenv("SAYORA_FLITE_VOICES", "slt");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sayora"));
    TestSoundServer test;
    const int code = QTest::qExec(&test, argc, argv);
    // As the reader does: Qt 6.4 may abort tearing down its PulseAudio
    // engine in exit handlers.
    SpeechPlayer::closeAllOutputs();
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(code);
}

#include "tst_sound_server.moc"
