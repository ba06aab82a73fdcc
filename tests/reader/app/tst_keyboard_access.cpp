// The main window from the keyboard and through a screen reader's eyes: the
// shortcuts against the playback state table, Tab and the arrow keys, the
// accessible names, roles and actions, and the state announcements.

#include "app/keyboard_access.h"
#include "app/sayora_main.h"
#include "speech/speech_controller.h"
#include "support/test_support.h"
#include "ui/image_button.h"
#include "ui/position_slider.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <QToolTip>

using testsupport::named;

namespace {

using State = SpeechController::State;

State states(const SayoraMain &window)
{
    return window.speech()->state();
}

// A modal dialog a key opens (Open, font, colour, update, later Save) is
// answered with Cancel; a key that opens none lets the tries run out.
void cancelModalSoon(int triesLeft = 200)
{
    QTimer::singleShot(10, [triesLeft] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
        else if (triesLeft > 0)
            cancelModalSoon(triesLeft - 1);
    });
}

}  // namespace

class TestKeyboardAccess : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void shortcutsFollowTheButtonStateTable_data();
    void shortcutsFollowTheButtonStateTable();
    void otherPanelKeysAreClicksOnTheirButtons_data();
    void otherPanelKeysAreClicksOnTheirButtons();
    void ctrlHomeRewindsOnlyOutsideTheTextBox();
    void tabReachesVoiceBoxAndBarsAndArrowsWork();
    void everyPanelControlIsNamedForScreenReaders();
    void screenReaderPressesAButton();
    void playbackStateIsAnnounced();
    void tooltipShowsTheShortcut();

private:
    void startIn(SayoraMain &window, const QString &state, bool espeak);
};

void TestKeyboardAccess::init()
{
    QFile::remove(SettingsRecord::defaultPath());
}

void TestKeyboardAccess::startIn(SayoraMain &window, const QString &state, bool espeak)
{
    window.load(QString());
    if (espeak)
        window.speech()->setVoiceListPosition(window.speech()->sapi4Count());
    QCOMPARE(window.speech()->currentEngine(), espeak ? 5 : 4);
    named<QPlainTextEdit>(window, "MainTxtBox")->setPlainText(QStringLiteral("A long reading that will not end during the test. ").repeated(200));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    named<QPlainTextEdit>(window, "MainTxtBox")->setFocus();
    if (state == QLatin1String("idle"))
        return;
    window.speech()->Speak();
    QTRY_COMPARE_WITH_TIMEOUT(states(window), State::Speaking, 20000);
    if (state == QLatin1String("paused")) {
        window.speech()->Pause();
        QCOMPARE(states(window), State::Paused);
    }
}

void TestKeyboardAccess::shortcutsFollowTheButtonStateTable_data()
{
    QTest::addColumn<bool>("espeak");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("button");  // Speak, Pause, Stop
    QTest::addColumn<int>("key");         // 0: click the button instead
    QTest::addColumn<State>("expected");

    const struct {
        const char *state;
        const char *button;
        State expected;
    } table[] = {
        {"idle", "Speak", State::Speaking},     {"idle", "Pause", State::Idle},       {"idle", "Stop", State::Idle},
        {"speaking", "Speak", State::Speaking}, {"speaking", "Pause", State::Paused}, {"speaking", "Stop", State::Idle},
        {"paused", "Speak", State::Speaking},   {"paused", "Pause", State::Paused},   {"paused", "Stop", State::Idle},
    };
    const QMap<QString, QList<int>> keys{{"Speak", {Qt::Key_F5}}, {"Pause", {Qt::Key_F6}}, {"Stop", {Qt::Key_F7, Qt::Key_Escape}}};
    for (bool espeak : {false, true}) {
        for (const auto &row : table) {
            for (int key : QList<int>{0} + keys.value(row.button)) {
                const QString how = key ? QKeySequence(key).toString() : QStringLiteral("click");
                QTest::addRow("%s %s %s %s", espeak ? "espeak-ng" : "flite", row.state, row.button, qPrintable(how))
                    << espeak << QString(row.state) << QString(row.button) << key << row.expected;
            }
        }
    }
}

void TestKeyboardAccess::shortcutsFollowTheButtonStateTable()
{
    QFETCH(bool, espeak);
    QFETCH(QString, state);
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(State, expected);

    SayoraMain window;
    startIn(window, state, espeak);
    window.speech()->setDisappear(true);
    if (key) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    } else {
        ImageButton *target = button == QLatin1String("Speak") ? named<ImageButton>(window, "Image4")
                              : button == QLatin1String("Pause") ? named<ImageButton>(window, "Image5")
                                                                 : named<ImageButton>(window, "Image6");
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    }
    // A key is a user action like the button.
    QVERIFY(!window.speech()->disappear());
    QTRY_COMPARE_WITH_TIMEOUT(states(window), expected, 20000);
    // The text box keeps its text and the focus: no key was taken from it.
    QCOMPARE(QApplication::focusWidget(), named<QPlainTextEdit>(window, "MainTxtBox"));
    QCOMPARE(named<QPlainTextEdit>(window, "MainTxtBox")->toPlainText().size(), window.speech()->textLength());
    window.speech()->Stop();
}

void TestKeyboardAccess::otherPanelKeysAreClicksOnTheirButtons_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("button");
    QTest::newRow("Ctrl+O open") << QKeySequence(Qt::CTRL | Qt::Key_O) << "Image3";
    QTest::newRow("Ctrl+S save") << QKeySequence(Qt::CTRL | Qt::Key_S) << "Image2";
    QTest::newRow("Ctrl+T font") << QKeySequence(Qt::CTRL | Qt::Key_T) << "Image7";
    QTest::newRow("Ctrl+B back colour") << QKeySequence(Qt::CTRL | Qt::Key_B) << "Image8";
    QTest::newRow("F8 show / hide") << QKeySequence(Qt::Key_F8) << "Image20";
    QTest::newRow("F1 help") << QKeySequence(Qt::Key_F1) << "Image19";
    QTest::newRow("Ctrl+U update") << QKeySequence(Qt::CTRL | Qt::Key_U) << "Image1";
}

void TestKeyboardAccess::otherPanelKeysAreClicksOnTheirButtons()
{
    QFETCH(QKeySequence, key);
    QFETCH(QString, button);
    SayoraMain window;
    startIn(window, QStringLiteral("idle"), false);
    const QMap<QString, ImageButton *> byName{{"Image3", named<ImageButton>(window, "Image3")}, {"Image2", named<ImageButton>(window, "Image2")}, {"Image7", named<ImageButton>(window, "Image7")},
                                              {"Image8", named<ImageButton>(window, "Image8")}, {"Image20", named<ImageButton>(window, "Image20")}, {"Image19", named<ImageButton>(window, "Image19")},
                                              {"Image1", named<ImageButton>(window, "Image1")}};
    ImageButton *target = byName.value(button);
    QVERIFY(target);
    QSignalSpy clicks(target, &ImageButton::clicked);
    window.speech()->setDisappear(true);
    cancelModalSoon();
    QTest::keySequence(named<QPlainTextEdit>(window, "MainTxtBox"), key);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(!KeyboardAccess::shortcutText(target).isEmpty());
    QVERIFY(!window.speech()->disappear());
    // The text box did not get the key.
    QVERIFY(named<QPlainTextEdit>(window, "MainTxtBox")->toPlainText().startsWith(QLatin1String("A long reading")));
}

void TestKeyboardAccess::ctrlHomeRewindsOnlyOutsideTheTextBox()
{
    SayoraMain window;
    startIn(window, QStringLiteral("idle"), false);
    QSignalSpy rewinds(named<ImageButton>(window, "Image9"), &ImageButton::clicked);
    QTextCursor cursor = named<QPlainTextEdit>(window, "MainTxtBox")->textCursor();
    cursor.setPosition(40);
    named<QPlainTextEdit>(window, "MainTxtBox")->setTextCursor(cursor);
    window.speech()->setDisappear(true);

    // In the text box the key is the text box's own (Ctrl+Shift+Home too).
    QTest::keyClick(named<QPlainTextEdit>(window, "MainTxtBox"), Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(named<QPlainTextEdit>(window, "MainTxtBox")->textCursor().selectedText().size(), 40);
    QTest::keyClick(named<QPlainTextEdit>(window, "MainTxtBox"), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(named<QPlainTextEdit>(window, "MainTxtBox")->textCursor().position(), 0);
    QCOMPARE(rewinds.count(), 0);

    // Elsewhere it is the rewind button: caret and slider to the start, and
    // like the button it leaves the exit-after-speaking flag alone.
    cursor.setPosition(40);
    named<QPlainTextEdit>(window, "MainTxtBox")->setTextCursor(cursor);
    named<QScrollBar>(window, "VScroll2")->setFocus();
    const int rate = named<QScrollBar>(window, "VScroll2")->value();
    QTest::keyClick(named<QScrollBar>(window, "VScroll2"), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(rewinds.count(), 1);
    QCOMPARE(named<PositionSlider>(window, "cpvSlider1")->value(), 0);
    QCOMPARE(named<QPlainTextEdit>(window, "MainTxtBox")->textCursor().position(), 0);
    QCOMPARE(named<QScrollBar>(window, "VScroll2")->value(), rate);
    QVERIFY(window.speech()->disappear());
}

void TestKeyboardAccess::tabReachesVoiceBoxAndBarsAndArrowsWork()
{
    SayoraMain window;
    startIn(window, QStringLiteral("idle"), false);
    // Ctrl+Tab leaves the text box, as in every editor (Tab does too).
    QTest::keyClick(named<QPlainTextEdit>(window, "MainTxtBox"), Qt::Key_Tab, Qt::ControlModifier);
    QList<QWidget *> chain;
    for (const char *name : {"cpvSlider1", "Image9", "Image8", "Image7", "Image3", "Image2", "Image20", "Image4", "Image5", "Image6",
                             "VScroll1", "VScroll2", "VScroll3", "Text1", "Image19", "Image1"})
        chain << named<QWidget>(window, name);
    for (QWidget *expected : chain) {
        QCOMPARE(QApplication::focusWidget(), expected);
        QTest::keyClick(expected, Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), named<QPlainTextEdit>(window, "MainTxtBox"));

    // Up raises a bar (its top is 100) and counts as a user action.
    named<QScrollBar>(window, "VScroll2")->setFocus();
    const int rate = named<QScrollBar>(window, "VScroll2")->value();
    window.speech()->setDisappear(true);
    QTest::keyClick(named<QScrollBar>(window, "VScroll2"), Qt::Key_Up);
    QCOMPARE(named<QScrollBar>(window, "VScroll2")->value(), rate + 1);
    QCOMPARE(named<QLabel>(window, "Label5")->text(), QString::number(rate + 1));
    QVERIFY(!window.speech()->disappear());
    QTest::keyClick(named<QScrollBar>(window, "VScroll2"), Qt::Key_Down);
    QCOMPARE(named<QScrollBar>(window, "VScroll2")->value(), rate);
    QTest::keyClick(named<QScrollBar>(window, "VScroll2"), Qt::Key_Home);
    QCOMPARE(named<QScrollBar>(window, "VScroll2")->value(), 100);
    QTest::keyClick(named<QScrollBar>(window, "VScroll2"), Qt::Key_End);
    QCOMPARE(named<QScrollBar>(window, "VScroll2")->value(), 0);

    // On the voice box the arrows choose the next voice at once.
    named<QLineEdit>(window, "Text1")->setFocus();
    const int voice = named<QComboBox>(window, "Combo1")->currentIndex();
    window.speech()->setDisappear(true);
    QTest::keyClick(named<QLineEdit>(window, "Text1"), Qt::Key_Down);
    QCOMPARE(named<QComboBox>(window, "Combo1")->currentIndex(), voice + 1);
    QCOMPARE(window.speech()->currentVoiceName(), named<QComboBox>(window, "Combo1")->itemText(voice + 1));
    QCOMPARE(named<QLineEdit>(window, "Text1")->text(), named<QComboBox>(window, "Combo1")->itemText(voice + 1));
    QVERIFY(!window.speech()->disappear());
    QTest::keyClick(named<QLineEdit>(window, "Text1"), Qt::Key_Up);
    QCOMPARE(named<QComboBox>(window, "Combo1")->currentIndex(), voice);
}

void TestKeyboardAccess::everyPanelControlIsNamedForScreenReaders()
{
    SayoraMain window;
    startIn(window, QStringLiteral("idle"), false);
    QStringList unnamed;
    int controls = 0;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
        if (!node || node->state().invisible)
            return;
        ++controls;
        if (node->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 (role %2)").arg(node->object() ? node->object()->objectName() : QString()).arg(node->role());
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(named<QFrame>(window, "Frame1")));
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    QVERIFY(controls > 20);
    // In the rest of the window every control (what takes the focus or can
    // be acted on) is named too: the text box and its scroll bars.
    std::function<void(QAccessibleInterface *)> walkControls = [&](QAccessibleInterface *node) {
        if (!node)
            return;
        const bool acts = node->actionInterface() && !node->actionInterface()->actionNames().isEmpty();
        if ((node->state().focusable || acts || node->role() == QAccessible::ScrollBar) && node->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 (role %2)").arg(node->object() ? node->object()->objectName() : QString()).arg(node->role());
        for (int i = 0; i < node->childCount(); ++i)
            walkControls(node->child(i));
    };
    walkControls(QAccessible::queryAccessibleInterface(&window));
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));

    // Picture buttons are pressable buttons named by their tooltip's words,
    // with their shortcut.
    const QList<std::tuple<ImageButton *, QString, QString>> buttons{
        {named<ImageButton>(window, "Image4"), "Speak", "F5"}, {named<ImageButton>(window, "Image5"), "Pause", "F6"}, {named<ImageButton>(window, "Image6"), "Stop", "F7, Esc"},
        {named<ImageButton>(window, "Image3"), "Open file", "Ctrl+O"}, {named<ImageButton>(window, "Image2"), "Save as mp3, text file", "Ctrl+S"},
        {named<ImageButton>(window, "Image9"), "set to head", "Ctrl+Home"}, {named<ImageButton>(window, "Image20"), "Hide text box", "F8"},
        {named<ImageButton>(window, "Image19"), "How does it work?", "F1"}, {named<ImageButton>(window, "Image7"), "Change font of text box", "Ctrl+T"}};
    for (const auto &[button, name, keys] : buttons) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QCOMPARE(iface->text(QAccessible::Accelerator), keys);
        QVERIFY(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    }
    // The show / hide button's name follows its tooltip.
    window.showHideClick();
    QCOMPARE(QAccessible::queryAccessibleInterface(named<ImageButton>(window, "Image20"))->text(QAccessible::Name), QStringLiteral("Show text box"));
    QCOMPARE(QAccessible::queryAccessibleInterface(named<QScrollBar>(window, "VScroll1"))->text(QAccessible::Name), QStringLiteral("Volume"));
    QCOMPARE(QAccessible::queryAccessibleInterface(named<QLineEdit>(window, "Text1"))->text(QAccessible::Name), QStringLiteral("Change pronunciation"));
    // Unavailable playback buttons say so.
    QVERIFY(QAccessible::queryAccessibleInterface(named<ImageButton>(window, "Image5"))->state().disabled);
    QVERIFY(!QAccessible::queryAccessibleInterface(named<ImageButton>(window, "Image4"))->state().disabled);
}

void TestKeyboardAccess::screenReaderPressesAButton()
{
    SayoraMain window;
    startIn(window, QStringLiteral("speaking"), false);
    window.speech()->setDisappear(true);
    QAccessible::queryAccessibleInterface(named<ImageButton>(window, "Image5"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(states(window), State::Paused);
    QVERIFY(!window.speech()->disappear());
    QTRY_VERIFY(QAccessible::queryAccessibleInterface(named<ImageButton>(window, "Image5"))->state().pressed);
    window.speech()->Stop();
}

void TestKeyboardAccess::playbackStateIsAnnounced()
{
    SayoraMain window;
    startIn(window, QStringLiteral("idle"), false);
    auto *access = window.findChild<KeyboardAccess *>();
    QVERIFY(access);
    QCOMPARE(access->playbackState(), QStringLiteral("Stopped"));
    QSignalSpy spy(access, &KeyboardAccess::announced);
    QAccessibleInterface *windowIface = QAccessible::queryAccessibleInterface(&window);
    const auto announced = [&] {
        QStringList said;
        for (const QList<QVariant> &args : spy)
            said << args.constFirst().toString();
        return said;
    };

    QTest::keyClick(named<QPlainTextEdit>(window, "MainTxtBox"), Qt::Key_F5);
    QTRY_COMPARE_WITH_TIMEOUT(announced(), QStringList{"Speaking"}, 20000);
    QCOMPARE(windowIface->text(QAccessible::Description), QStringLiteral("Speaking"));
    QVERIFY(QAccessible::queryAccessibleInterface(named<ImageButton>(window, "Image4"))->state().pressed);
    QTest::keyClick(named<QPlainTextEdit>(window, "MainTxtBox"), Qt::Key_F6);
    QTRY_COMPARE(announced(), (QStringList{"Speaking", "Paused"}));
    QVERIFY(QAccessible::queryAccessibleInterface(named<ImageButton>(window, "Image5"))->state().pressed);
    QVERIFY(!QAccessible::queryAccessibleInterface(named<ImageButton>(window, "Image4"))->state().pressed);
    // Resuming is announced as well, though the engine raises no start.
    QTest::keyClick(named<QPlainTextEdit>(window, "MainTxtBox"), Qt::Key_F5);
    QTRY_COMPARE(announced(), (QStringList{"Speaking", "Paused", "Speaking"}));
    QTest::keyClick(named<QPlainTextEdit>(window, "MainTxtBox"), Qt::Key_Escape);
    QTRY_COMPARE(announced(), (QStringList{"Speaking", "Paused", "Speaking", "Stopped"}));
    QVERIFY(QAccessible::queryAccessibleInterface(named<ImageButton>(window, "Image6"))->state().disabled);
    // The export's completion window appearing, twice.
    for (int i = 0; i < 2; ++i) {
        QWidget mp3end(&window, Qt::Window);
        mp3end.setObjectName(QStringLiteral("mp3end"));
        mp3end.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mp3end));
    }
    QCOMPARE(announced().mid(4), (QStringList{"Export done", "Export done"}));
    QCOMPARE(windowIface->text(QAccessible::Description), QStringLiteral("Export done"));
}

void TestKeyboardAccess::tooltipShowsTheShortcut()
{
    SayoraMain window;
    startIn(window, QStringLiteral("idle"), false);
    ImageButton *stop = named<ImageButton>(window, "Image6");
    QHelpEvent help(QEvent::ToolTip, stop->rect().center(), stop->mapToGlobal(stop->rect().center()));
    QApplication::sendEvent(stop, &help);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Stop (F7, Esc)"));
    // The tooltip itself keeps its words.
    QCOMPARE(stop->toolTip(), QStringLiteral("Stop"));
}

SAYORA_GUI_TEST_MAIN(TestKeyboardAccess)
#include "tst_keyboard_access.moc"
