// The key that reads the selection of any program into the running window,
// on a real X server (xvfb-run) with a private session bus: by a key grab
// pressed with xdotool, through a stand-in for the desktop portal, and what
// the window says when neither can have the key.

#include "app/language_switch.h"
#include "app/sayora_main.h"
#include "app/selection_key.h"
#include "desktop/global_shortcut.h"
#include "desktop/portal_shortcut.h"
#include "desktop/x11_key_grab.h"
#include "speech/speech_controller.h"
#include "support/portal_stand_in.h"
#include "support/test_support.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

QString g_busAddress;

// The text box's text, whatever its name.
QString shownText(const SayoraMain &window)
{
    return testsupport::named<QPlainTextEdit>(window, "MainTxtBox")->toPlainText();
}

}  // namespace

class TestGlobalKey : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void triggerText_data();
    void triggerText();
    void keyGrabReadsSelection();
    void keyHeldElsewhereIsToldOnce();
    void portalKeyReadsSelection();
    void portalDeclinedFallsBackToKeyGrab();
    void keyFromOptions_data();
    void keyFromOptions();

private:
    std::unique_ptr<SayoraMain> openWindow();
    // Sets the X11 primary selection as another program does: xclip keeps
    // serving it from a process of its own.
    void select(const QString &text);
    QProcess m_xclip;
};

void TestGlobalKey::init()
{
    QFile::remove(WindowOptions::defaultPath());
}

void TestGlobalKey::cleanup()
{
    if (m_xclip.state() != QProcess::NotRunning) {
        m_xclip.kill();
        m_xclip.waitForFinished();
    }
}

std::unique_ptr<SayoraMain> TestGlobalKey::openWindow()
{
    auto window = std::make_unique<SayoraMain>();
    window->load(QString());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

void TestGlobalKey::select(const QString &text)
{
    cleanup();
    // -loops 0: serves every request until killed; -quiet keeps it in front.
    m_xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("primary"), QStringLiteral("-quiet")});
    QVERIFY(m_xclip.waitForStarted());
    m_xclip.write(text.toUtf8());
    m_xclip.closeWriteChannel();
    QProcess check;
    QTRY_VERIFY_WITH_TIMEOUT(([&] {
        check.start(QStringLiteral("xclip"), {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("primary")});
        return check.waitForFinished() && QString::fromUtf8(check.readAllStandardOutput()) == text;
    }()), 10000);
}

void TestGlobalKey::triggerText_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("trigger");
    QTest::newRow("default") << SelectionKey::defaultKeys() << "CTRL+ALT+s";
    QTest::newRow("function key with shift") << QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F9) << "CTRL+SHIFT+F9";
    QTest::newRow("logo key") << QKeySequence(Qt::META | Qt::Key_R) << "LOGO+r";
    QTest::newRow("none") << QKeySequence() << "";
}

void TestGlobalKey::triggerText()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, trigger);
    QCOMPARE(PortalShortcut::triggerText(keys), trigger);
}

void TestGlobalKey::keyGrabReadsSelection()
{
    // The bus has no portal: the key is grabbed on the X server.
    auto window = openWindow();
    QVERIFY(window);
    auto *key = window->findChild<SelectionKey *>();
    QVERIFY(key && key->shortcut());
    QTRY_COMPARE_WITH_TIMEOUT(key->shortcut()->way(), GlobalShortcut::Way::X11Grab, 20000);

    window->findChild<QPlainTextEdit *>("MainTxtBox")->setPlainText(QStringLiteral("The user's own text."));
    const QString selected = QStringLiteral("A sentence selected in another program.");
    select(selected);
    // The key pressed on the X server: xdotool sends it to whichever window
    // has the focus, and the grab takes it from there.
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+alt+s")}), 0);
    QTRY_COMPARE_WITH_TIMEOUT(shownText(*window), selected, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(window->speech()->readingUnderway(), 10000);

    // Pressed again while reading: the new selection replaces the reading.
    const QString next = QStringLiteral("Another selection, read at once.");
    select(next);
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+alt+s")}), 0);
    QTRY_COMPARE_WITH_TIMEOUT(shownText(*window), next, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(window->speech()->readingUnderway(), 10000);
    window->speech()->Stop();

    // Nothing selected: the text box keeps its text.
    cleanup();
    key->readSelection();
    QVERIFY(key->selection()->isReading());
    QTRY_VERIFY_WITH_TIMEOUT(!key->selection()->isReading(), 10000);
    QCOMPARE(shownText(*window), next);
}

void TestGlobalKey::keyHeldElsewhereIsToldOnce()
{
    // Another program holds Ctrl+Alt+S on the root window.
    xcb_connection_t *other = xcb_connect(nullptr, nullptr);
    QVERIFY(!xcb_connection_has_error(other));
    const xcb_setup_t *setup = xcb_get_setup(other);
    const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
    QList<quint8> codes;
    auto *mapping = xcb_get_keyboard_mapping_reply(
        other, xcb_get_keyboard_mapping(other, setup->min_keycode, quint8(setup->max_keycode - setup->min_keycode + 1)), nullptr);
    QVERIFY(mapping);
    const xcb_keysym_t *symbols = xcb_get_keyboard_mapping_keysyms(mapping);
    for (int code = 0; code <= setup->max_keycode - setup->min_keycode; ++code) {
        if (symbols[code * mapping->keysyms_per_keycode] == 's')
            codes << quint8(setup->min_keycode + code);
    }
    std::free(mapping);
    QVERIFY(!codes.isEmpty());
    for (quint8 code : codes)
        xcb_grab_key(other, 0, root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1, code, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    // A round trip: the grab is in place before the window asks.
    std::free(xcb_get_input_focus_reply(other, xcb_get_input_focus(other), nullptr));

    const auto release = qScopeGuard([other] { xcb_disconnect(other); });

    {
        auto window = openWindow();
        QVERIFY(window);
        auto *key = window->findChild<SelectionKey *>();
        QTRY_COMPARE_WITH_TIMEOUT(key->shortcut()->way(), GlobalShortcut::Way::None, 20000);
        // The window shows it where the user looks.
        QVERIFY(window->resumeNote()->isVisible());
        const QString message = window->resumeNote()->text();
        QVERIFY2(message.contains("another program holds") && message.contains("sayora-selection"), qPrintable(message));
    }
    {
        // Started again: said once is enough.
        auto window = openWindow();
        QVERIFY(window);
        auto *key = window->findChild<SelectionKey *>();
        QTRY_COMPARE_WITH_TIMEOUT(key->shortcut()->way(), GlobalShortcut::Way::None, 20000);
        QVERIFY(!window->resumeNote()->isVisible());
    }
}

void TestGlobalKey::portalKeyReadsSelection()
{
    PortalStandIn portal(g_busAddress);
    QVERIFY(portal.isRegistered());
    auto window = openWindow();
    QVERIFY(window);
    auto *key = window->findChild<SelectionKey *>();
    QTRY_COMPARE_WITH_TIMEOUT(key->shortcut()->way(), GlobalShortcut::Way::Portal, 20000);
    QCOMPARE(portal.bound.size(), 1);
    QCOMPARE(portal.bound.first().properties.value("preferred_trigger").toString(), QStringLiteral("CTRL+ALT+s"));
    QVERIFY(!portal.bound.first().properties.value("description").toString().isEmpty());
    QCOMPARE(portal.boundSession, portal.sessions.last());

    const QString selected = QStringLiteral("Selected where the portal is the way.");
    select(selected);
    QSignalSpy pressed(key->shortcut(), &GlobalShortcut::activated);
    // Another program's shortcut, or another session's, is not ours; the
    // bus keeps the signals' order, so once ours has come these have too.
    portal.press(portal.boundSession, QStringLiteral("something-else"));
    portal.press(portal.boundSession + "0", portal.bound.first().id);
    portal.press(portal.boundSession, portal.bound.first().id);
    QTRY_COMPARE_WITH_TIMEOUT(pressed.count(), 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(shownText(*window), selected, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(window->speech()->readingUnderway(), 10000);
    window->speech()->Stop();
}

void TestGlobalKey::portalDeclinedFallsBackToKeyGrab()
{
    PortalStandIn portal(g_busAddress);
    QVERIFY(portal.isRegistered());
    portal.bindResponse = 1;
    auto window = openWindow();
    QVERIFY(window);
    auto *key = window->findChild<SelectionKey *>();
    QTRY_COMPARE_WITH_TIMEOUT(key->shortcut()->way(), GlobalShortcut::Way::X11Grab, 20000);
    QCOMPARE(portal.bound.size(), 1);
}

void TestGlobalKey::keyFromOptions_data()
{
    QTest::addColumn<QString>("value");  // "<none>": not in the file
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("absent") << "<none>" << SelectionKey::defaultKeys();
    QTest::newRow("another key") << "Ctrl+Shift+F9" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F9);
    QTest::newRow("turned off") << "" << QKeySequence();
}

void TestGlobalKey::keyFromOptions()
{
    QFETCH(QString, value);
    QFETCH(QKeySequence, keys);
    const QString file = WindowOptions::defaultPath();
    if (value != QLatin1String("<none>")) {
        QSettings options(file, QSettings::IniFormat);
        options.setValue("Shortcuts/ReadSelection", value);
    }
    QCOMPARE(SelectionKey::keysFromOptions(file), keys);

    PortalStandIn portal(g_busAddress);
    auto window = openWindow();
    QVERIFY(window);
    auto *key = window->findChild<SelectionKey *>();
    if (keys.isEmpty()) {
        QVERIFY(!key->shortcut());  // no key asked for, nothing said
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(key->shortcut()->way(), GlobalShortcut::Way::Portal, 20000);
    QCOMPARE(portal.bound.first().properties.value("preferred_trigger").toString(), PortalShortcut::triggerText(keys));
}

int main(int argc, char **argv)
{
    testsupport::isolateUserFolders();
    // A private session bus, before Qt connects to one.
    QProcess bus;
    bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    if (!bus.waitForStarted() || !bus.waitForReadyRead(10000))
        qFatal("dbus-daemon did not start");
    g_busAddress = QString::fromUtf8(bus.readLine()).trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", g_busAddress.toUtf8());
    int code = 0;
    {
        QApplication app(argc, argv);
        TestGlobalKey test;
        code = QTest::qExec(&test, argc, argv);
    }
    bus.kill();
    bus.waitForFinished();
    return code;
}

#include "tst_global_key.moc"
