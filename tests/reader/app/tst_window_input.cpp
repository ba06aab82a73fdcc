// The main window driven through the window system as a user drives it:
// press, hold, move and release at the places a user points at. Runs on a
// real X server (Xvfb), where popups take the pointer and a held slider is
// held while the engines keep talking.

#include "app/sayora_main.h"
#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "speech/speech_controller.h"
#include "support/test_support.h"
#include "ui/image_button.h"
#include "ui/position_slider.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

using testsupport::named;

namespace {

constexpr int eventTimeout = 30000;

const QString longText = QStringLiteral(
    "This sentence is long enough to keep the voice busy while the test holds the slider, "
    "and it goes on for a while with plain words that every engine can say without trouble. "
    "Then it says a little more, so that nothing ends before the test has let go of it. "
    "And a last sentence makes sure the reading is still running when the thumb is dropped.");

// Where a widget's point lies in the window the user sees.
QPoint inWindow(QWidget *widget, QPoint local)
{
    return widget->mapTo(widget->window(), local);
}

QWindow *windowOf(QWidget *widget)
{
    return widget->window()->windowHandle();
}

void press(QWidget *widget, QPoint local, int delay = -1)
{
    QTest::mousePress(windowOf(widget), Qt::LeftButton, {}, inWindow(widget, local), delay);
}

void move(QWidget *widget, QPoint local, int delay = -1)
{
    QTest::mouseMove(windowOf(widget), inWindow(widget, local), delay);
}

void release(QWidget *widget, QPoint local, int delay = -1)
{
    QTest::mouseRelease(windowOf(widget), Qt::LeftButton, {}, inWindow(widget, local), delay);
}

// A click as a hand makes it: the button is held for a moment.
void click(QWidget *widget, QPoint local)
{
    press(widget, local);
    release(widget, local, 150);
}

void click(QWidget *widget)
{
    click(widget, widget->rect().center());
}

void wheel(QWidget *widget, int angle)
{
    const QPoint at = inWindow(widget, widget->rect().center());
    QWheelEvent event(at, widget->window()->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(windowOf(widget), &event);
}

QStyleOptionSlider sliderOption(const QSlider *slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    option.subControls = QStyle::SC_All;
    return option;
}

QRect thumbRect(const QSlider *slider)
{
    const QStyleOptionSlider option = sliderOption(slider);
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
}

// The point of the groove where the thumb's centre shows `value`.
int thumbCentreFor(const QSlider *slider, int value)
{
    const QStyleOptionSlider option = sliderOption(slider);
    const QRect groove = slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, slider);
    const QRect thumb = thumbRect(slider);
    return groove.x() + QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), value,
                                                        groove.width() - thumb.width())
           + thumb.width() / 2;
}

bool chooseVoice(SayoraMain &w, int engine)
{
    SpeechController *speech = w.speech();
    if (engine == 4) {
        for (int i = 0; i < speech->sapi4Count(); ++i) {
            if (named<QComboBox>(w, "Combo1")->itemText(i).contains(QLatin1String("Kal"), Qt::CaseInsensitive)) {
                speech->setVoiceListPosition(i);
                return true;
            }
        }
        return false;
    }
    const QList<SpObjectToken> tokens = speech->newsVoice()->GetVoices();
    for (int i = 0; i < tokens.size(); ++i) {
        if (tokens.at(i).Language() == QLatin1String("en-us")) {
            speech->setVoiceListPosition(speech->sapi4Count() + i);
            return true;
        }
    }
    return false;
}

std::unique_ptr<QSignalSpy> wordSpy(SayoraMain &w)
{
    if (w.speech()->currentEngine() == 4)
        return std::make_unique<QSignalSpy>(w.speech()->directSS(), &DirectSS::WordPosition);
    return std::make_unique<QSignalSpy>(w.speech()->newsVoice(), &SpVoice::Word);
}

}  // namespace

class TestWindowInput : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void heldSliderStaysWhereTheUserHoldsIt_data();
    void heldSliderStaysWhereTheUserHoldsIt();
    void sliderDragKeepsCommandLineReadingOpen();
    void voiceFaceClickLeavesListOpen_data();
    void voiceFaceClickLeavesListOpen();
    void parameterArrowsAndWheelRaiseUpward_data();
    void parameterArrowsAndWheelRaiseUpward();

private:
    void showWindow(const QString &argumentText = QString());
    void dragThumb(int toValue);
    std::unique_ptr<SayoraMain> m_window;
};

void TestWindowInput::init()
{
    m_window = std::make_unique<SayoraMain>();
}

void TestWindowInput::cleanup()
{
    if (m_window && m_window->speech()->readingUnderway())
        m_window->speech()->Stop();
    m_window.reset();
}

void TestWindowInput::showWindow(const QString &argumentText)
{
    m_window->load(argumentText);
    m_window->move(40, 40);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

// Takes hold of the thumb and moves it, in steps as a hand does, to where
// it shows `toValue`; the button stays down.
void TestWindowInput::dragThumb(int toValue)
{
    PositionSlider *slider = named<PositionSlider>(*m_window, "cpvSlider1");
    const QPoint from = thumbRect(slider).center();
    move(slider, from);
    press(slider, from);
    const QPoint to(thumbCentreFor(slider, toValue), from.y());
    for (int step = 1; step <= 5; ++step)
        move(slider, from + (to - from) * step / 5, 20);
}

void TestWindowInput::heldSliderStaysWhereTheUserHoldsIt_data()
{
    QTest::addColumn<int>("engine");
    QTest::newRow("flite") << 4;
    QTest::newRow("espeak-ng") << 5;
}

void TestWindowInput::heldSliderStaysWhereTheUserHoldsIt()
{
    QFETCH(int, engine);
    showWindow();
    SayoraMain &w = *m_window;
    QVERIFY(chooseVoice(w, engine));
    named<QPlainTextEdit>(w, "MainTxtBox")->setPlainText(longText);
    auto words = wordSpy(w);
    click(named<ImageButton>(w, "Image4"));
    QVERIFY(words->wait(eventTimeout));

    const int target = int(longText.indexOf(QLatin1String("Then")));
    dragThumb(target);
    QVERIFY(named<PositionSlider>(w, "cpvSlider1")->isSliderDown());
    const int held = named<PositionSlider>(w, "cpvSlider1")->value();
    QVERIFY2(held > target - 20 && held < target + 20, qPrintable(QString::number(held)));
    // The voice goes on: its words must leave the thumb where the hand is.
    const qsizetype before = words->count();
    QTRY_VERIFY_WITH_TIMEOUT(words->count() >= before + 2, eventTimeout);
    QCOMPARE(named<PositionSlider>(w, "cpvSlider1")->value(), held);
    QCOMPARE(w.speech()->state(), SpeechController::State::Speaking);

    PositionSlider *slider = named<PositionSlider>(w, "cpvSlider1");
    release(slider, QPoint(thumbCentreFor(slider, held), thumbRect(slider).center().y()));
    QVERIFY(!named<PositionSlider>(w, "cpvSlider1")->isSliderDown());
    QCOMPARE(w.speech()->speakStart(), held);
    QCOMPARE(w.speech()->spokenText(), longText.mid(held));
    // Reading goes on from the drop, highlighting there.
    words->clear();
    QVERIFY(words->wait(eventTimeout));
    QTRY_VERIFY_WITH_TIMEOUT(named<QPlainTextEdit>(w, "MainTxtBox")->textCursor().selectionStart() >= held, eventTimeout);
    click(named<ImageButton>(w, "Image6"));
    QVERIFY(w.speech()->state() != SpeechController::State::Speaking);
}

void TestWindowInput::sliderDragKeepsCommandLineReadingOpen()
{
    // A reading started from the command line ends the program, unless the
    // user acts meanwhile; dragging the slider is acting.
    QSignalSpy exits(m_window->speech(), &SpeechController::exitRequested);
    QSignalSpy nothing(m_window->speech(), &SpeechController::nothingSpoken);
    showWindow(QStringLiteral("One two three four five six seven eight nine ten eleven twelve thirteen."));
    SayoraMain &w = *m_window;
    QVERIFY(w.speech()->disappear());
    auto words = wordSpy(w);
    QVERIFY(words->wait(eventTimeout));
    dragThumb(int(named<QPlainTextEdit>(w, "MainTxtBox")->toPlainText().indexOf(QLatin1String("ten"))));
    PositionSlider *slider = named<PositionSlider>(w, "cpvSlider1");
    release(slider, thumbRect(slider).center());
    QVERIFY(!w.speech()->disappear());
    QTRY_VERIFY_WITH_TIMEOUT(w.speech()->state() == SpeechController::State::Idle, eventTimeout);
    QCOMPARE(exits.count(), 0);
    QCOMPARE(nothing.count(), 0);
    QVERIFY(!w.exitRequested());
}

void TestWindowInput::voiceFaceClickLeavesListOpen_data()
{
    QTest::addColumn<QString>("face");
    QTest::newRow("text box") << "Text1";
    QTest::newRow("arrow picture") << "Picture2";
}

void TestWindowInput::voiceFaceClickLeavesListOpen()
{
    QFETCH(QString, face);
    showWindow();
    SayoraMain &w = *m_window;
    QWidget *target = face == QLatin1String("Text1") ? static_cast<QWidget *>(named<QLineEdit>(w, "Text1")) : named<ImageButton>(w, "Picture2");
    QAbstractItemView *list = named<QComboBox>(w, "Combo1")->view();
    QVERIFY(named<QComboBox>(w, "Combo1")->count() > 2);

    w.speech()->setDisappear(true);
    move(target, target->rect().center());
    click(target);
    QVERIFY(!w.speech()->disappear());
    QTRY_VERIFY_WITH_TIMEOUT(list->isVisible(), 10000);
    // The release that ended the click must not have closed it again.
    QCoreApplication::processEvents();
    QVERIFY(list->isVisible());

    // A second click on the face closes the list, as on any drop-down.
    click(target);
    QTRY_VERIFY_WITH_TIMEOUT(!list->isVisible(), 10000);
    QCoreApplication::processEvents();
    QVERIFY(!list->isVisible());
    click(target);
    QTRY_VERIFY_WITH_TIMEOUT(list->isVisible(), 10000);

    // Choosing an entry with the pointer is the voice selection.
    const int entry = named<QComboBox>(w, "Combo1")->currentIndex() == 1 ? 2 : 1;
    const QModelIndex index = list->model()->index(entry, 0);
    list->scrollTo(index);
    QWidget *viewport = list->viewport();
    QVERIFY(QTest::qWaitForWindowExposed(viewport->window()));
    const QPoint at = list->visualRect(index).center();
    QTest::mouseMove(viewport->window()->windowHandle(), viewport->mapTo(viewport->window(), at), 300);
    QTest::mouseClick(viewport->window()->windowHandle(), Qt::LeftButton, {}, viewport->mapTo(viewport->window(), at), 150);
    QTRY_VERIFY_WITH_TIMEOUT(!list->isVisible(), 10000);
    QCOMPARE(named<QComboBox>(w, "Combo1")->currentIndex(), entry);
    QCOMPARE(named<QLineEdit>(w, "Text1")->text(), named<QComboBox>(w, "Combo1")->itemText(entry));
    QCOMPARE(w.speech()->currentVoiceName(), named<QComboBox>(w, "Combo1")->itemText(entry));
}

void TestWindowInput::parameterArrowsAndWheelRaiseUpward_data()
{
    QTest::addColumn<QString>("bar");
    QTest::newRow("volume") << "VScroll1";
    QTest::newRow("rate") << "VScroll2";
    QTest::newRow("pitch") << "VScroll3";
}

void TestWindowInput::parameterArrowsAndWheelRaiseUpward()
{
    QFETCH(QString, bar);
    showWindow();
    SayoraMain &w = *m_window;
    QVERIFY(chooseVoice(w, 4));  // flite: all three act and show their value
    QScrollBar *scrollBar = bar == QLatin1String("VScroll1") ? named<QScrollBar>(w, "VScroll1") : bar == QLatin1String("VScroll2") ? named<QScrollBar>(w, "VScroll2") : named<QScrollBar>(w, "VScroll3");
    scrollBar->setValue(50);

    // The top is 100: the top arrow raises, the bottom arrow lowers.
    click(scrollBar, QPoint(scrollBar->width() / 2, 3));
    QCOMPARE(scrollBar->value(), 51);
    click(scrollBar, QPoint(scrollBar->width() / 2, 3));
    QCOMPARE(scrollBar->value(), 52);
    click(scrollBar, QPoint(scrollBar->width() / 2, scrollBar->height() - 4));
    QCOMPARE(scrollBar->value(), 51);

    // The wheel turned up (away from the user) raises, down lowers.
    wheel(scrollBar, 120);
    QVERIFY2(scrollBar->value() > 51, qPrintable(QString::number(scrollBar->value())));
    const int raised = scrollBar->value();
    wheel(scrollBar, -120);
    wheel(scrollBar, -120);
    QVERIFY2(scrollBar->value() < raised, qPrintable(QString::number(scrollBar->value())));

    // Held on the top arrow, the value climbs to the top and stays there.
    scrollBar->setValue(95);
    press(scrollBar, QPoint(scrollBar->width() / 2, 3));
    QTRY_COMPARE_WITH_TIMEOUT(scrollBar->value(), 100, 10000);
    release(scrollBar, QPoint(scrollBar->width() / 2, 3));
}

SAYORA_GUI_TEST_MAIN(TestWindowInput)
#include "tst_window_input.moc"
