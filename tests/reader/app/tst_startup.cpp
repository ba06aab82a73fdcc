// Start-up, the command line, the settings between runs and shutdown, with
// the real engines and the real program.

#include "app/installation.h"
#include "app/sayora_main.h"
#include "com/component_runtime.h"
#include "registry/registry_key.h"
#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "speech/speech_controller.h"
#include "support/test_support.h"
#include "ui/control_host.h"
#include "ui/image_button.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using testsupport::named;

namespace {

// Runs the program on a command line with its own configuration folder and
// the null audio sink. Empty when it read and then ended by itself with 0;
// otherwise what went wrong.
QString readToTheEnd(const QStringList &arguments, const QString &fliteVoices, const QString &configFolder)
{
    QProcess sayora;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder);
    env.insert(QStringLiteral("SAYORA_AUDIO"), QStringLiteral("null"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("SAYORA_FLITE_VOICES"), fliteVoices);
    sayora.setProcessEnvironment(env);
    sayora.start(QStringLiteral(SAYORA_EXE), arguments);
    if (!sayora.waitForStarted())
        return QStringLiteral("the program did not start");
    if (!sayora.waitForFinished(60000))
        return QStringLiteral("the program did not end itself after reading");
    if (sayora.exitStatus() != QProcess::NormalExit || sayora.exitCode() != 0)
        return QStringLiteral("the program ended with status %1, code %2").arg(int(sayora.exitStatus())).arg(sayora.exitCode());
    return {};
}

}  // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void voiceListHoldsBothGenerations();
    void passedTextIsSpoken();
    void passedFileIsLoadedAndSpoken_data();
    void passedFileIsLoadedAndSpoken();
    void unreadablePassedFileKeepsWindowWorking();
    void firstRunThenOrderlyExitThenRestore();
    void hiddenTextBoxRestoresNarrowWindow();
    void voiceFollowsItsNameWhenVoicesChange();
    void controlOfAnotherCopyStaysRegistered();
    void damagedSettingsFileDoesNotStopStartup_data();
    void damagedSettingsFileDoesNotStopStartup();
    void commandLineReadingEndsProgramWithoutSaving_data();
    void commandLineReadingEndsProgramWithoutSaving();
    void userActionKeepsProgramAfterCommandLineReading();
    void withoutFliteTheUsersLanguageSpeaks_data();
    void withoutFliteTheUsersLanguageSpeaks();
    void qtOptionsAreTheUsersWords_data();
    void qtOptionsAreTheUsersWords();
    void unreadableTextKeepsWindowAndSaysSo_data();
    void unreadableTextKeepsWindowAndSaysSo();

private:
    QTemporaryDir m_dir;
};

void TestStartup::init()
{
    QFile::remove(SettingsRecord::defaultPath());
}

void TestStartup::voiceListHoldsBothGenerations()
{
    SayoraMain window;
    window.load(QString());
    SpeechController *speech = window.speech();
    const int sapi4 = speech->directSS()->CountEngines();
    QVERIFY2(sapi4 >= 1, "flite voices are installed");
    QVERIFY(speech->newsVoice());
    QCOMPARE(speech->sapi4Count(), sapi4);
    QVERIFY(speech->sapi5Count() > 10);
    QCOMPARE(named<QComboBox>(window, "Combo1")->count(), speech->sapi4Count() + speech->sapi5Count());
    for (int i = 0; i < named<QComboBox>(window, "Combo1")->count(); ++i)
        QCOMPARE(named<QComboBox>(window, "Combo1")->itemData(i).toInt(), i < sapi4 ? 4 : 5);
    // The current SAPI 4 engine is selected until settings choose another.
    QCOMPARE(named<QComboBox>(window, "Combo1")->currentIndex(), speech->directSS()->CurrentMode() - 1);
    QCOMPARE(speech->currentEngine(), 4);
    QCOMPARE(named<QLineEdit>(window, "Text1")->text(), named<QComboBox>(window, "Combo1")->currentText());
    QCOMPARE(window.startFrom(), QStringLiteral("program"));
    QVERIFY(!speech->disappear());
    QVERIFY(window.firstRun());
    // Voice names read well, not as file names.
    const QList<SpObjectToken> tokens = speech->newsVoice()->GetVoices();
    const auto american = std::find_if(tokens.begin(), tokens.end(), [](const SpObjectToken &t) { return t.Id() == QLatin1String("en-us"); });
    QVERIFY(american != tokens.end());
    QCOMPARE(named<QComboBox>(window, "Combo1")->itemText(sapi4 + int(american - tokens.begin())), QStringLiteral("English (America)"));
    QVERIFY(named<QComboBox>(window, "Combo1")->itemText(0).startsWith(QLatin1String("Flite ")));
}

void TestStartup::passedTextIsSpoken()
{
    SayoraMain window;
    QSignalSpy started(window.speech()->directSS(), &DirectSS::AudioStart);
    window.load(QStringLiteral("Hello there"));
    QCOMPARE(window.startFrom(), QStringLiteral("internet"));
    QCOMPARE(named<QPlainTextEdit>(window, "MainTxtBox")->toPlainText(), QStringLiteral("Hello there"));
    QCOMPARE(window.speech()->spokenText(), QStringLiteral("Hello there"));
    QVERIFY(window.speech()->disappear());
    QVERIFY(started.wait(20000));
    QCOMPARE(window.speech()->state(), SpeechController::State::Speaking);
    window.speech()->Stop();  // a user action: the program stays
    QVERIFY(!window.speech()->disappear());
}

void TestStartup::passedFileIsLoadedAndSpoken_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("txt") << "notes.txt" << QByteArray("First line.\r\nSecond line.") << "First line.\nSecond line.";
    QTest::newRow("rtf") << "letter.rtf"
                         << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0 Dear Ann,\\par Caf\\'e9 at noon.}")
                         << QString::fromUtf8("Dear Ann,\nCafé at noon.");
}

void TestStartup::passedFileIsLoadedAndSpoken()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    const QString path = testsupport::writeFile(m_dir.filePath(name), content);
    SayoraMain window;
    QSignalSpy started(window.speech()->directSS(), &DirectSS::AudioStart);
    window.load(path);
    QCOMPARE(window.startFrom(), QStringLiteral("explorer"));
    QCOMPARE(named<QPlainTextEdit>(window, "MainTxtBox")->toPlainText(), expected);
    QCOMPARE(window.speech()->textLength(), expected.size());
    QVERIFY(started.wait(20000));
    window.speech()->Stop();
}

void TestStartup::unreadablePassedFileKeepsWindowWorking()
{
    // A binary file classifies as a file, but holds no text to read.
    const QString path = testsupport::writeFile(m_dir.filePath("picture.txt"), QByteArray("\x89PNG\0\0\0\rIHDR\0\0", 14));
    SayoraMain window;
    named<QPlainTextEdit>(window, "MainTxtBox")->setPlainText(QStringLiteral("kept"));
    window.load(path);
    QCOMPARE(window.startFrom(), QStringLiteral("explorer"));
    QCOMPARE(named<QPlainTextEdit>(window, "MainTxtBox")->toPlainText(), QStringLiteral("kept"));
    QVERIFY(!window.speech()->disappear());
    QVERIFY(window.speech()->state() != SpeechController::State::Speaking);
}

void TestStartup::firstRunThenOrderlyExitThenRestore()
{
    int voice = 0;
    {
        SayoraMain window;
        window.load(QString());
        QVERIFY(window.firstRun());
        QVERIFY(!QFile::exists(SettingsRecord::defaultPath()));
        // Choose the second SAPI 5 voice and change the look.
        voice = window.speech()->sapi4Count() + 1;
        window.speech()->setVoiceListPosition(voice);
        named<QScrollBar>(window, "VScroll2")->setValue(70);
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPointSizeF(14.5);
        font.setItalic(true);
        font.setBold(true);
        font.setUnderline(true);
        font.setStrikeOut(true);
        named<QPlainTextEdit>(window, "MainTxtBox")->setFont(font);
        QPalette palette = named<QPlainTextEdit>(window, "MainTxtBox")->palette();
        palette.setColor(QPalette::Text, QColor(0x11, 0x22, 0x33));
        palette.setColor(QPalette::Base, QColor(0xF0, 0xE0, 0xD0));
        named<QPlainTextEdit>(window, "MainTxtBox")->setPalette(palette);
        window.show();
        window.move(90, 60);
        window.resize(500, 560);
        QVERIFY(window.openDocument(testsupport::writeFile(m_dir.filePath("read/me.rtf"), "{\\rtf1 x}")));
        window.close();
        QVERIFY(QFile::exists(SettingsRecord::defaultPath()));
    }
    SayoraMain window;
    window.load(QString());
    QVERIFY(!window.firstRun());
    SpeechController *speech = window.speech();
    QCOMPARE(speech->currentEngine(), 5);
    QCOMPARE(speech->currentVoiceIndex(), 1);
    QCOMPARE(named<QLineEdit>(window, "Text1")->text(), named<QComboBox>(window, "Combo1")->itemText(voice));
    QCOMPARE(speech->newsVoice()->Voice(), speech->newsVoice()->GetVoices().at(1));
    QCOMPARE(named<QScrollBar>(window, "VScroll2")->value(), 70);
    QCOMPARE(speech->newsVoice()->Rate(), 4);
    QCOMPARE(named<QPlainTextEdit>(window, "MainTxtBox")->font().pointSizeF(), 14.5);
    QVERIFY(named<QPlainTextEdit>(window, "MainTxtBox")->font().italic());
    QVERIFY(named<QPlainTextEdit>(window, "MainTxtBox")->font().bold());
    QCOMPARE(named<QPlainTextEdit>(window, "MainTxtBox")->font().family(), QStringLiteral("DejaVu Serif"));
    QVERIFY(named<QPlainTextEdit>(window, "MainTxtBox")->font().underline());
    QVERIFY(named<QPlainTextEdit>(window, "MainTxtBox")->font().strikeOut());
    QCOMPARE(named<QPlainTextEdit>(window, "MainTxtBox")->palette().color(QPalette::Text), QColor(0x11, 0x22, 0x33));
    QCOMPARE(named<QPlainTextEdit>(window, "MainTxtBox")->palette().color(QPalette::Base), QColor(0xF0, 0xE0, 0xD0));
    QCOMPARE(window.settings().OpenExt, QStringLiteral(".rtf"));
    QCOMPARE(window.settings().OpenDir, m_dir.filePath("read/"));
    QCOMPARE(window.settings().SaveExt, QStringLiteral(".mp3"));
    QVERIFY(window.settings().ShowText);
    window.show();
    QCOMPARE(window.pos(), QPoint(90, 60));
    QCOMPARE(window.size(), QSize(500, 560));
}

void TestStartup::hiddenTextBoxRestoresNarrowWindow()
{
    SettingsRecord record;
    record.WinLeft = 0;
    record.WinTop = 0;
    // Stored wider than the folded window: the width must not come back
    // when the window first shows.
    record.WinWidth = 9000;
    record.WinHeight = 1860;
    record.ShowText = false;
    record.FontName = QStringLiteral("DejaVu Sans");
    record.FontBold = QStringLiteral("False");
    record.FontItalic = true;
    record.FontSize = QStringLiteral("12");
    QVERIFY(record.save(SettingsRecord::defaultPath()));
    SayoraMain window;
    window.load(QString());
    QCOMPARE(window.outerWidthTwips(), 7050);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.outerWidthTwips(), 7050);
    QVERIFY(named<QPlainTextEdit>(window, "MainTxtBox")->x() > window.width());
    QCOMPARE(named<ImageButton>(window, "Image20")->pictureName(), QStringLiteral("checkno1.bmp"));
    QCOMPARE(named<ImageButton>(window, "Image20")->toolTip(), QStringLiteral("Show text box"));
    QVERIFY(!named<QPlainTextEdit>(window, "MainTxtBox")->font().bold());
    QVERIFY(named<QPlainTextEdit>(window, "MainTxtBox")->font().italic());
}

void TestStartup::voiceFollowsItsNameWhenVoicesChange()
{
    // Closes a window on flite voices, with the one named chosen, then opens
    // one on other voices; the voice it chose, as the box shows it and as
    // the engine speaks with it.
    const auto reopen = [](const QByteArray &before, const QString &chosen, const QByteArray &after) {
        qputenv("SAYORA_FLITE_VOICES", before);
        {
            SayoraMain window;
            window.load(QString());
            const int position = named<QComboBox>(window, "Combo1")->findText(chosen, Qt::MatchStartsWith);
            window.speech()->setVoiceListPosition(position);
            window.close();
        }
        qputenv("SAYORA_FLITE_VOICES", after);
        auto window = std::make_unique<SayoraMain>();
        window->load(QString());
        qunsetenv("SAYORA_FLITE_VOICES");
        const QString shown = named<QComboBox>(*window, "Combo1")->currentText();
        const DirectSS *engine = window->speech()->directSS();
        [&] {
            QCOMPARE(named<QLineEdit>(*window, "Text1")->text(), shown);
            QCOMPARE(window->speech()->currentVoiceName(), shown);
            QCOMPARE(window->speech()->currentEngine(), 4);
            QCOMPARE(engine->ModeName(engine->CurrentMode()), shown);
            QCOMPARE(window->speech()->currentVoiceIndex(), engine->CurrentMode());
        }();
        return shown;
    };
    // The list keeps the engines' order (kal, awb, rms, slt). A voice
    // installed before the chosen one moves it down the list.
    QVERIFY(reopen("kal,rms", "Flite RMS", "kal,awb,rms").startsWith(QLatin1String("Flite RMS")));
    // One removed before it moves it up.
    QVERIFY(reopen("kal,rms,slt", "Flite RMS", "rms,slt").startsWith(QLatin1String("Flite RMS")));
    // The chosen voice itself removed: its place in the list, as the box says.
    QVERIFY(reopen("kal,rms,slt", "Flite RMS", "kal,slt").startsWith(QLatin1String("Flite SLT")));
    // Not even that place left: the first voice.
    QVERIFY(reopen("kal,rms,slt", "Flite SLT", "kal").startsWith(QLatin1String("Flite Kal")));
}

void TestStartup::controlOfAnotherCopyStaysRegistered()
{
    const QString key = ComponentRuntime::inprocServerKey(Installation::CLSID_MyTavo);
    const auto registered = [&key] {
        RegistryKey server;
        QString path;
        server.open(key, RegistryKey::ReadOnly);
        server.queryString(QString(), &path);
        return QFileInfo(path).canonicalFilePath();
    };
    const QString ours = QFileInfo(Installation::controlLibrary()).canonicalFilePath();
    QVERIFY(!ours.isEmpty());

    // Another copy of the program (an installed one) registered its own.
    const QString other = m_dir.filePath("installed/tavo.so");
    QVERIFY(QDir().mkpath(m_dir.filePath("installed")));
    QFile::remove(other);
    QVERIFY(QFile::copy(ours, other));
    QCOMPARE(ComponentRuntime::registerServer(other), S_OK);
    Installation::ensureInstalled();
    QCOMPARE(registered(), QFileInfo(other).canonicalFilePath());
    {
        // A window of this copy keeps it too, and hosts it.
        SayoraMain window;
        QCOMPARE(registered(), QFileInfo(other).canonicalFilePath());
        QVERIFY(named<ControlHost>(window, "MyTavo1")->isCreated());
    }

    // Registered, but not a library that loads: this copy's takes its place.
    const QString broken = testsupport::writeFile(m_dir.filePath("broken/tavo.so"), "not a library");
    RegistryKey server;
    QCOMPARE(server.open(key), RegistryKey::Success);
    QCOMPARE(server.setString(QString(), broken), RegistryKey::Success);
    Installation::ensureInstalled();
    QCOMPARE(registered(), ours);
    // Gone: the same.
    QCOMPARE(server.setString(QString(), m_dir.filePath("gone/tavo.so")), RegistryKey::Success);
    Installation::ensureInstalled();
    QCOMPARE(registered(), ours);
}

void TestStartup::damagedSettingsFileDoesNotStopStartup_data()
{
    QTest::addColumn<QByteArray>("bytes");
    SettingsRecord staleVoice;
    staleVoice.WinWidth = 7000;
    staleVoice.WinHeight = 8000;
    staleVoice.ShowText = true;
    staleVoice.Engine = 5;
    staleVoice.VoiceIndex = 100000;
    staleVoice.VoiceName = QStringLiteral("A voice long gone");
    QTest::newRow("stale SAPI 5 voice index") << staleVoice.toBytes();
    staleVoice.Engine = 4;
    QTest::newRow("stale SAPI 4 voice index") << staleVoice.toBytes();
    QTest::newRow("truncated") << staleVoice.toBytes().left(30);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\xff\xff\xff\x7f garbage \x01\x02\x03\xff\xff\xff\xff\xff", 22);
}

void TestStartup::damagedSettingsFileDoesNotStopStartup()
{
    QFETCH(QByteArray, bytes);
    testsupport::writeFile(SettingsRecord::defaultPath(), bytes);
    SayoraMain window;
    window.load(QStringLiteral("Read me anyway"));
    // Start-up went on to the command line and the voice still speaks.
    QCOMPARE(window.startFrom(), QStringLiteral("internet"));
    QCOMPARE(named<QPlainTextEdit>(window, "MainTxtBox")->toPlainText(), QStringLiteral("Read me anyway"));
    QVERIFY(window.width() > 100 && window.height() > 50);
    QVERIFY(window.speech()->currentEngine() == 4 || window.speech()->currentEngine() == 5);
    window.speech()->Stop();
}

void TestStartup::commandLineReadingEndsProgramWithoutSaving_data()
{
    QTest::addColumn<QString>("fliteVoices");
    QTest::newRow("with the flite voices") << "kal";
    // Without a single flite voice an espeak-ng voice is chosen and speaks.
    QTest::newRow("no flite voice at all") << "";
}

void TestStartup::commandLineReadingEndsProgramWithoutSaving()
{
    QFETCH(QString, fliteVoices);
    QTemporaryDir config;
    const QString failure = readToTheEnd({QStringLiteral("Good"), QStringLiteral("morning.")}, fliteVoices, config.path());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(!QFile::exists(config.filePath(QStringLiteral("sayora/dovexensf.ini"))));
}

void TestStartup::userActionKeepsProgramAfterCommandLineReading()
{
    SayoraMain window;
    QSignalSpy ended(window.speech()->directSS(), &DirectSS::AudioStop);
    QSignalSpy exits(window.speech(), &SpeechController::exitRequested);
    window.load(QStringLiteral("Hi."));
    window.speech()->openVoiceList();  // any user action clears the flag
    named<QComboBox>(window, "Combo1")->hidePopup();
    QVERIFY(!window.speech()->disappear());
    QVERIFY(ended.wait(20000));
    QCOMPARE(exits.count(), 0);
    QVERIFY(!window.exitRequested());
}

void TestStartup::withoutFliteTheUsersLanguageSpeaks_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("no locale: English (America)") << "C" << "en-us";
    QTest::newRow("British English") << "en_GB" << "en-gb";
    QTest::newRow("German") << "de_AT" << "de";
}

void TestStartup::withoutFliteTheUsersLanguageSpeaks()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    qputenv("SAYORA_FLITE_VOICES", "");
    SayoraMain window;
    window.load(QString());
    qunsetenv("SAYORA_FLITE_VOICES");
    QLocale::setDefault(before);
    QCOMPARE(window.speech()->sapi4Count(), 0);
    QCOMPARE(window.speech()->currentEngine(), 5);
    const SpObjectToken voice = window.speech()->newsVoice()->Voice();
    QCOMPARE(voice.Language().toLower(), language);
    QCOMPARE(named<QLineEdit>(window, "Text1")->text(), voice.GetDescription());
}

void TestStartup::qtOptionsAreTheUsersWords_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("platform option") << QStringList{"-platform", "x", "is"};
    QTest::newRow("layout option") << QStringList{"-reverse", "hello"};
    QTest::newRow("style option") << QStringList{"-style", "nothing", "here"};
}

void TestStartup::qtOptionsAreTheUsersWords()
{
    // Words that look like Qt's own options are read like any others: the
    // program starts, reads them and ends itself.
    QFETCH(QStringList, arguments);
    QTemporaryDir config;
    const QString failure = readToTheEnd(arguments, QStringLiteral("kal"), config.path());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestStartup::unreadableTextKeepsWindowAndSaysSo_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("punctuation only") << QStringLiteral("... ,,, ;;; ...");
}

void TestStartup::unreadableTextKeepsWindowAndSaysSo()
{
    // A command-line reading in which the voice says not one word must not
    // look like a crash: the window stays and tells why it was silent.
    QFETCH(QString, text);
    SayoraMain window;
    QSignalSpy nothing(window.speech(), &SpeechController::nothingSpoken);
    QSignalSpy exits(window.speech(), &SpeechController::exitRequested);
    window.load(text);
    window.show();
    QCOMPARE(window.startFrom(), QStringLiteral("internet"));
    QVERIFY(nothing.wait(30000));
    QCOMPARE(exits.count(), 0);
    QVERIFY(!window.exitRequested());
    QVERIFY(!window.speech()->disappear());
    QVERIFY(window.speech()->state() != SpeechController::State::Speaking);
    QMessageBox *box = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *candidate = qobject_cast<QMessageBox *>(widget); candidate && candidate->isVisible())
            box = candidate;
    }
    QVERIFY(box);
    QVERIFY2(box->text().contains(window.speech()->currentVoiceName()), qPrintable(box->text()));
    QVERIFY2(box->text().contains(QLatin1String("could not read")), qPrintable(box->text()));
    // Its OK ends it for good: no hidden window by the main window's title
    // stays to take a close meant for the main window.
    QPointer<QMessageBox> shown(box);
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    QTRY_VERIFY(shown.isNull());
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY(widget == &window || widget->windowTitle() != window.windowTitle() || widget->isVisible());
}

SAYORA_GUI_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
