// The main window from the keyboard alone, on a real X server: Tab and
// Shift+Tab through every control with the focus visible on the screen, the
// window's keys wherever the focus is, the keys of the picture buttons, the
// voice box, the position slider and the help window, and a window that
// cannot be made so small that a control is lost.

#include "app/sayora_main.h"
#include "speech/speech_controller.h"
#include "support/test_support.h"
#include "ui/image_button.h"
#include "ui/position_slider.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

using testsupport::named;

namespace {

constexpr int eventTimeout = 20000;

// The controls in the order Tab reaches them, after the text box.
const char *const tabOrder[] = {"cpvSlider1", "Image9", "Image8", "Image7", "Image3", "Image2", "Image20", "Image4",
                                "Image5",     "Image6", "VScroll1", "VScroll2", "VScroll3", "Text1", "Image19", "Image1"};

// A key as the user presses it: to the window, which hands it to the focus.
void press(SayoraMain &window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

// What the X server shows of a widget.
QImage onScreen(QWidget *widget)
{
    const QPoint at = widget->mapTo(widget->window(), QPoint());
    return widget->screen()->grabWindow(widget->window()->winId(), at.x(), at.y(), widget->width(), widget->height()).toImage();
}

// The dialog a key opens is answered with Cancel.
void cancelModalSoon(int triesLeft = 500)
{
    QTimer::singleShot(10, [triesLeft] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
        else if (triesLeft > 0)
            cancelModalSoon(triesLeft - 1);
    });
}

// The window takes the keys once the X server's focus events about it
// (and the window it came from) have all been handled.
void activate(QWidget *window)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTRY_COMPARE(QGuiApplication::focusWindow(), window->windowHandle());
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

QWidget *helpWindow()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("howto") && top->isVisible())
            return top;
    }
    return nullptr;
}

}  // namespace

class TestKeyboardFocus : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tabWalksEveryControlWithTheFocusShown();
    void windowKeysWorkWhereverTheFocusIs();
    void pictureButtonsAndHelpWindowByKeys();
    void voiceBoxOpensOnEnterAndShowsNamesWhole();
    void sliderKeysMoveByWordsAndSentences();
    void windowKeepsEveryControlWhenSmall();

private:
    void start(const QString &text);
    void tabTo(const char *name);
    std::unique_ptr<SayoraMain> m_window;
};

void TestKeyboardFocus::init()
{
    QFile::remove(SettingsRecord::defaultPath());
    m_window = std::make_unique<SayoraMain>();
}

void TestKeyboardFocus::cleanup()
{
    m_window->speech()->Stop();
    m_window.reset();
}

void TestKeyboardFocus::start(const QString &text)
{
    SayoraMain &window = *m_window;
    window.load(QString());
    named<QPlainTextEdit>(window, "MainTxtBox")->setPlainText(text);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    named<QPlainTextEdit>(window, "MainTxtBox")->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), named<QPlainTextEdit>(window, "MainTxtBox"));
}

void TestKeyboardFocus::tabTo(const char *name)
{
    QWidget *target = named<QWidget>(*m_window, name);
    for (int i = 0; i <= int(std::size(tabOrder)) && QApplication::focusWidget() != target; ++i)
        press(*m_window, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), target);
}

void TestKeyboardFocus::tabWalksEveryControlWithTheFocusShown()
{
    const QString text = QStringLiteral("Words to be read aloud.");
    start(text);
    SayoraMain &window = *m_window;
    // The window is on the screen once the panel's green is.
    QTRY_COMPARE(onScreen(named<QFrame>(window, "Frame1")).pixelColor(1, 1), QColor(0, 128, 0));
    QHash<QWidget *, QImage> unfocused;
    for (const char *name : tabOrder) {
        QWidget *control = named<QWidget>(window, name);
        unfocused.insert(control, onScreen(control));
        QVERIFY2(!unfocused.value(control).isNull(), name);
    }

    QWidget *previous = nullptr;
    for (const char *name : tabOrder) {
        press(window, Qt::Key_Tab);
        QWidget *control = named<QWidget>(window, name);
        QCOMPARE(QApplication::focusWidget(), control);
        // The focus shows on the screen, and leaves no mark behind.
        QTRY_VERIFY2(onScreen(control) != unfocused.value(control), name);
        if (previous)
            QTRY_VERIFY2(onScreen(previous) == unfocused.value(previous), name);
        previous = control;
        // Pictures of the panel for a person to look at, when asked for.
        const QString shots = qEnvironmentVariable("SAYORA_FOCUS_SHOTS");
        if (!shots.isEmpty())
            onScreen(named<QFrame>(window, "Frame1")).save(QStringLiteral("%1/focus-%2.png").arg(shots, QLatin1String(name)));
    }
    // Round to the text box, and back the other way: Tab never typed into
    // the user's text.
    press(window, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), named<QPlainTextEdit>(window, "MainTxtBox"));
    for (int i = int(std::size(tabOrder)) - 1; i >= 0; --i) {
        press(window, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), named<QWidget>(window, tabOrder[i]));
    }
    press(window, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), named<QPlainTextEdit>(window, "MainTxtBox"));
    QCOMPARE(named<QPlainTextEdit>(window, "MainTxtBox")->toPlainText(), text);
    // Ctrl+Tab and Ctrl+Shift+Tab leave the text box as well.
    press(window, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), named<QWidget>(window, tabOrder[0]));
    named<QPlainTextEdit>(window, "MainTxtBox")->setFocus();
    press(window, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), named<QWidget>(window, tabOrder[std::size(tabOrder) - 1]));
    QCOMPARE(named<QPlainTextEdit>(window, "MainTxtBox")->toPlainText(), text);
}

void TestKeyboardFocus::windowKeysWorkWhereverTheFocusIs()
{
    start(QStringLiteral("Some words. ").repeated(20));
    SayoraMain &window = *m_window;
    QSignalSpy rewinds(named<ImageButton>(window, "Image9"), &ImageButton::clicked);
    QSignalSpy updates(named<ImageButton>(window, "Image1"), &ImageButton::clicked);
    QPlainTextEdit *box = named<QPlainTextEdit>(window, "MainTxtBox");
    int expectedRewinds = 0;
    for (const char *name : tabOrder) {
        press(window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), named<QWidget>(window, name));
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(30);
        box->setTextCursor(cursor);
        press(window, Qt::Key_Home, Qt::ControlModifier);
        QVERIFY2(rewinds.count() == ++expectedRewinds, name);
        QCOMPARE(box->textCursor().position(), 0);
        QCOMPARE(QApplication::focusWidget(), named<QWidget>(window, name));
    }
    // The voice box's text would take Ctrl+U for itself.
    named<QLineEdit>(window, "Text1")->setFocus();
    cancelModalSoon();
    press(window, Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(updates.count(), 1);
    QCOMPARE(named<QLineEdit>(window, "Text1")->text(), window.speech()->currentVoiceName());
    // In the text box Ctrl+Home stays its own.
    box->setFocus();
    press(window, Qt::Key_End, Qt::ControlModifier);
    press(window, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(rewinds.count(), expectedRewinds);
    QCOMPARE(box->textCursor().position(), 0);
}

void TestKeyboardFocus::pictureButtonsAndHelpWindowByKeys()
{
    start(QStringLiteral("Words to be read aloud."));
    SayoraMain &window = *m_window;
    // Space clicks on its release, once however long it is held.
    tabTo("Image9");
    QSignalSpy rewinds(named<ImageButton>(window, "Image9"), &ImageButton::clicked);
    QTest::keyPress(window.windowHandle(), Qt::Key_Space);
    QCOMPARE(rewinds.count(), 0);
    QTest::keyRelease(window.windowHandle(), Qt::Key_Space);
    QCOMPARE(rewinds.count(), 1);
    // Space let go elsewhere is no click.
    QSignalSpy backColours(named<ImageButton>(window, "Image8"), &ImageButton::clicked);
    cancelModalSoon();
    QTest::keyPress(window.windowHandle(), Qt::Key_Space);
    press(window, Qt::Key_Tab);
    QTest::keyRelease(window.windowHandle(), Qt::Key_Space);
    QCOMPARE(rewinds.count(), 1);
    QCOMPARE(backColours.count(), 0);

    // Enter on Speak reads; the focus stays on the button.
    tabTo("Image4");
    press(window, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(window.speech()->state(), SpeechController::State::Speaking, eventTimeout);
    QCOMPARE(QApplication::focusWidget(), named<QWidget>(window, "Image4"));
    tabTo("Image6");
    press(window, Qt::Key_Space);
    QTRY_COMPARE(window.speech()->state(), SpeechController::State::Idle);

    // The help picture opens the help window, Escape closes it.
    tabTo("Image19");
    press(window, Qt::Key_Enter);
    QTRY_VERIFY(helpWindow());
    QWidget *help = helpWindow();
    activate(help);
    QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(!helpWindow());
    // Alt+C, its button's key, still closes it too.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    press(window, Qt::Key_F1);
    QTRY_VERIFY(helpWindow());
    help = helpWindow();
    activate(help);
    QTest::keyClick(help->windowHandle(), Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!helpWindow());
}

void TestKeyboardFocus::voiceBoxOpensOnEnterAndShowsNamesWhole()
{
    start(QStringLiteral("Words to be read aloud."));
    SayoraMain &window = *m_window;
    QComboBox *list = named<QComboBox>(window, "Combo1");
    QVERIFY(list->count() > 1);
    tabTo("Text1");
    const int before = list->currentIndex();
    press(window, Qt::Key_Return);
    QTRY_VERIFY(list->view()->isVisible());
    // Every name whole in the open list.
    QVERIFY(list->view()->viewport()->width() >= list->view()->sizeHintForColumn(0));
    QTest::keyClick(list->view()->window()->windowHandle(), Qt::Key_Down);
    QTest::keyClick(list->view()->window()->windowHandle(), Qt::Key_Return);
    QTRY_VERIFY(!list->view()->isVisible());
    QCOMPARE(list->currentIndex(), before + 1);
    QCOMPARE(window.speech()->currentVoiceName(), list->itemText(before + 1));
    // The focus is back on the face, and the window's keys work there.
    QTRY_COMPARE(QApplication::focusWidget(), named<QWidget>(window, "Text1"));
    QSignalSpy rewinds(named<ImageButton>(window, "Image9"), &ImageButton::clicked);
    press(window, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(rewinds.count(), 1);

    // Opened from the text box (as a click does), the list gives the focus
    // back there.
    named<QPlainTextEdit>(window, "MainTxtBox")->setFocus();
    window.speech()->openVoiceList();
    QTRY_VERIFY(list->view()->isVisible());
    QTest::keyClick(list->view()->window()->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(!list->view()->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), named<QWidget>(window, "MainTxtBox"));

    // The face is narrower than the longest name: its tooltip has it whole.
    QString longest;
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i).size() > longest.size())
            longest = list->itemText(i);
    }
    window.speech()->setVoiceListPosition(list->findText(longest));
    QLineEdit *face = named<QLineEdit>(window, "Text1");
    QCOMPARE(face->text(), longest);
    QHelpEvent tip(QEvent::ToolTip, face->rect().center(), face->mapToGlobal(face->rect().center()));
    QApplication::sendEvent(face, &tip);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Change pronunciation\n") + longest);
    QCOMPARE(face->toolTip(), QStringLiteral("Change pronunciation"));
}

void TestKeyboardFocus::sliderKeysMoveByWordsAndSentences()
{
    const QString sentence = QStringLiteral("Every sentence here has seven words. ");
    const QString text = sentence.repeated(900);  // over 33,000 characters
    start(text);
    SayoraMain &window = *m_window;
    PositionSlider *slider = named<PositionSlider>(window, "cpvSlider1");
    QPlainTextEdit *box = named<QPlainTextEdit>(window, "MainTxtBox");
    QCOMPARE(slider->maximum(), text.size());
    tabTo("cpvSlider1");
    QCOMPARE(slider->value(), 0);

    const auto expect = [&](Qt::Key key, int value) {
        press(window, key);
        QCOMPARE(slider->value(), value);
        // Nothing is read: the caret follows the thumb.
        QCOMPARE(box->textCursor().position(), value);
    };
    expect(Qt::Key_Right, 6);                                 // "sentence"
    expect(Qt::Key_Right, 15);                                // "here"
    expect(Qt::Key_Down, 20);
    expect(Qt::Key_Left, 15);
    expect(Qt::Key_Up, 6);
    expect(Qt::Key_PageDown, sentence.size());                // forward, a sentence
    expect(Qt::Key_PageDown, 2 * sentence.size());
    expect(Qt::Key_Right, 2 * sentence.size() + 6);
    expect(Qt::Key_PageUp, 2 * sentence.size());              // back to the sentence's start
    expect(Qt::Key_PageUp, sentence.size());
    expect(Qt::Key_Right, sentence.size() + 6);
    expect(Qt::Key_Left, sentence.size());                    // over the full stop before
    expect(Qt::Key_Left, sentence.size() - 7);                // "words."
    expect(Qt::Key_End, text.size());
    expect(Qt::Key_PageDown, text.size());                    // nothing beyond the end
    expect(Qt::Key_PageUp, text.size() - sentence.size());
    expect(Qt::Key_Home, 0);
    expect(Qt::Key_Left, 0);
    expect(Qt::Key_PageUp, 0);

    // While reading, a step restarts the reading from the new place.
    window.speech()->Speak();
    QTRY_COMPARE_WITH_TIMEOUT(window.speech()->state(), SpeechController::State::Speaking, eventTimeout);
    const qint64 next = (slider->value() / sentence.size() + 1) * sentence.size();
    press(window, Qt::Key_PageDown);
    QTRY_COMPARE_WITH_TIMEOUT(window.speech()->speakStart(), next, eventTimeout);
    QCOMPARE(window.speech()->state(), SpeechController::State::Speaking);
}

void TestKeyboardFocus::windowKeepsEveryControlWhenSmall()
{
    start(QStringLiteral("Words to be read aloud."));
    SayoraMain &window = *m_window;
    QFrame *panel = named<QFrame>(window, "Frame1");
    QPlainTextEdit *box = named<QPlainTextEdit>(window, "MainTxtBox");
    const auto everyControlWhole = [&] {
        QStringList cut;
        QCOMPARE(panel->width(), window.width());
        for (QWidget *control : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const QRect at(control->mapTo(&window, QPoint()), control->size());
            if (!window.rect().contains(at))
                cut << control->objectName();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String(", "))));
    };
    // At the design size the panel fits the window.
    QCOMPARE(window.size(), QSize(462, 513));
    everyControlWhole();

    window.resize(300, 250);
    QTRY_VERIFY(window.width() > 300);
    everyControlWhole();
    // Three lines of text at least, above the panel.
    QVERIFY(box->viewport()->height() >= 3 * box->fontMetrics().lineSpacing());
    QVERIFY(box->geometry().bottom() < panel->y());
    QVERIFY(box->x() < window.width());

    // With the text box hidden the window folds to the panel, no smaller.
    press(window, Qt::Key_F8);
    QVERIFY(!window.settings().ShowText);
    QTRY_VERIFY(window.height() < 250);
    // The text box out of sight gives its focus to the button that brings
    // it back, and Tab passes it by.
    QCOMPARE(QApplication::focusWidget(), named<QWidget>(window, "Image20"));
    for (int i = 0; i < int(std::size(tabOrder)) + 1; ++i) {
        press(window, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != box);
    }
    window.resize(100, 40);
    QTRY_VERIFY(window.height() > 40);
    everyControlWhole();
    press(window, Qt::Key_F8);
    QTRY_VERIFY(window.height() > 250);
    everyControlWhole();
    tabTo("MainTxtBox");
}

SAYORA_GUI_TEST_MAIN(TestKeyboardFocus)
#include "tst_keyboard_focus.moc"
