// The button panel's pictures, hover, resize layout and the voice list's
// face, on the offscreen platform.

#include "app/sayora_main.h"
#include "speech/speech_controller.h"
#include "support/test_support.h"
#include "ui/image_button.h"
#include "ui/position_slider.h"
#include "ui/twips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using testsupport::named;

class TestWindowChrome : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void hoverPictures_data();
    void hoverPictures();
    void helpPictureResetsAllButShowHide();
    void missingBitmapKeepsPreviousPicture();
    void resizeLayout_data();
    void resizeLayout();
    void resizeWhileTextBoxHiddenChangesNothing();
    void dropDownWidth_data();
    void dropDownWidth();
    void voiceFaceOpensList();

private:
    void moveOver(QWidget *widget);
    // Brings the reading to a state the way a user does, with the buttons.
    void reach(SpeechController::State state);
    std::unique_ptr<SayoraMain> m_window;
};

void TestWindowChrome::initTestCase()
{
    m_window = std::make_unique<SayoraMain>();
    m_window->load(QString());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestWindowChrome::moveOver(QWidget *widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void TestWindowChrome::reach(SpeechController::State state)
{
    using State = SpeechController::State;
    SpeechController *speech = m_window->speech();
    if (speech->state() != State::Idle) {
        QTest::mouseClick(named<ImageButton>(*m_window, "Image6"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(speech->state(), State::Idle, 30000);
    }
    if (state == State::Idle)
        return;
    // Long enough to be read for the whole test.
    named<QPlainTextEdit>(*m_window, "MainTxtBox")->setPlainText(
        QStringLiteral("A sentence the voice reads while the pointer moves over the buttons. ").repeated(40));
    QTest::mouseClick(named<ImageButton>(*m_window, "Image4"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(speech->state(), State::Speaking, 30000);
    if (state == State::Paused) {
        QTest::mouseClick(named<ImageButton>(*m_window, "Image5"), Qt::LeftButton);
        QCOMPARE(speech->state(), State::Paused);
    }
}

void TestWindowChrome::hoverPictures_data()
{
    using State = SpeechController::State;
    QTest::addColumn<QString>("button");
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QStringList>("normal");  // the speak, pause and stop pictures without the pointer
    const QStringList idle{"play2.bmp", "Pause1.bmp", "Stop1.bmp"};
    const QStringList speaking{"play3.bmp", "Pause2.bmp", "Stop2.bmp"};
    const QStringList paused{"play2.bmp", "Pause3.bmp", "Stop2.bmp"};
    QTest::newRow("speak while idle") << "Image4" << State::Idle << "play0.bmp" << idle;
    QTest::newRow("speak while speaking") << "Image4" << State::Speaking << "play3.bmp" << speaking;
    QTest::newRow("speak while paused") << "Image4" << State::Paused << "play0.bmp" << paused;
    QTest::newRow("pause while idle") << "Image5" << State::Idle << "Pause1.bmp" << idle;
    QTest::newRow("pause while speaking") << "Image5" << State::Speaking << "Pause0.bmp" << speaking;
    QTest::newRow("pause while paused") << "Image5" << State::Paused << "Pause3.bmp" << paused;
    QTest::newRow("stop while idle") << "Image6" << State::Idle << "Stop1.bmp" << idle;
    QTest::newRow("stop while speaking") << "Image6" << State::Speaking << "Stop0.bmp" << speaking;
    QTest::newRow("stop while paused") << "Image6" << State::Paused << "Stop0.bmp" << paused;
    QTest::newRow("open") << "Image3" << State::Idle << "Open0.bmp" << idle;
    QTest::newRow("save") << "Image2" << State::Idle << "Save0.bmp" << idle;
    QTest::newRow("font") << "Image7" << State::Idle << "tcolor0.bmp" << idle;
    QTest::newRow("back colour") << "Image8" << State::Idle << "bcolor0.bmp" << idle;
    QTest::newRow("show/hide while shown") << "Image20" << State::Idle << "checkyes0.bmp" << idle;
}

void TestWindowChrome::hoverPictures()
{
    QFETCH(QString, button);
    QFETCH(SpeechController::State, state);
    QFETCH(QString, picture);
    QFETCH(QStringList, normal);
    SayoraMain &w = *m_window;
    reach(state);
    const QHash<QString, ImageButton *> buttons = {
        {"Image2", named<ImageButton>(w, "Image2")}, {"Image3", named<ImageButton>(w, "Image3")}, {"Image4", named<ImageButton>(w, "Image4")}, {"Image5", named<ImageButton>(w, "Image5")},
        {"Image6", named<ImageButton>(w, "Image6")}, {"Image7", named<ImageButton>(w, "Image7")}, {"Image8", named<ImageButton>(w, "Image8")}, {"Image20", named<ImageButton>(w, "Image20")}};
    ImageButton *target = buttons.value(button);
    QVERIFY(target);
    // Come from the open button: it must return to its normal picture.
    moveOver(named<ImageButton>(w, "Image3"));
    moveOver(target);
    QCOMPARE(target->pictureName(), picture);
    if (target != named<ImageButton>(w, "Image3"))
        QCOMPARE(named<ImageButton>(w, "Image3")->pictureName(), QStringLiteral("Open1.bmp"));
    // The panel's background puts every button back.
    moveOver(named<QFrame>(w, "Frame1"));
    QCOMPARE(named<ImageButton>(w, "Image4")->pictureName(), normal.at(0));
    QCOMPARE(named<ImageButton>(w, "Image5")->pictureName(), normal.at(1));
    QCOMPARE(named<ImageButton>(w, "Image6")->pictureName(), normal.at(2));
    QCOMPARE(named<ImageButton>(w, "Image20")->pictureName(), QStringLiteral("checkyes1.bmp"));
    reach(SpeechController::State::Idle);
}

void TestWindowChrome::helpPictureResetsAllButShowHide()
{
    SayoraMain &w = *m_window;
    moveOver(named<ImageButton>(w, "Image20"));
    QCOMPARE(named<ImageButton>(w, "Image20")->pictureName(), QStringLiteral("checkyes0.bmp"));
    moveOver(named<ImageButton>(w, "Image2"));
    moveOver(named<ImageButton>(w, "Image20"));
    moveOver(named<ImageButton>(w, "Image19"));
    QCOMPARE(named<ImageButton>(w, "Image20")->pictureName(), QStringLiteral("checkyes0.bmp"));
    QCOMPARE(named<ImageButton>(w, "Image2")->pictureName(), QStringLiteral("Save1.bmp"));
    moveOver(named<QFrame>(w, "Frame1"));
}

void TestWindowChrome::missingBitmapKeepsPreviousPicture()
{
    ImageButton button;
    QVERIFY(button.setPicture(QStringLiteral("play2.bmp")));
    const QSize size = button.pixmap().size();
    QCOMPARE(size, QSize(35, 35));
    QVERIFY(!button.setPicture(QStringLiteral("no-such-picture.bmp")));
    QCOMPARE(button.pictureName(), QStringLiteral("play2.bmp"));
    QCOMPARE(button.pixmap().size(), size);
}

void TestWindowChrome::resizeLayout_data()
{
    QTest::addColumn<int>("outerHeight");
    QTest::addColumn<bool>("textBoxHidden");
    QTest::newRow("1800 hides the text box") << 1800 << true;
    QTest::newRow("1801 lays out") << 1801 << false;
    QTest::newRow("design height") << 7695 << false;
}

void TestWindowChrome::resizeLayout()
{
    QFETCH(int, outerHeight);
    QFETCH(bool, textBoxHidden);
    SayoraMain &w = *m_window;
    w.setOuterHeightTwips(7695);
    const QRect panel = named<QFrame>(w, "Frame1")->geometry();
    const QSize box = named<QPlainTextEdit>(w, "MainTxtBox")->size();
    const int width = w.outerWidthTwips();
    w.layoutForOuterSize(width, outerHeight);
    if (textBoxHidden) {
        QCOMPARE(named<QPlainTextEdit>(w, "MainTxtBox")->x(), twips::toPixels(99999));
        QCOMPARE(named<QPlainTextEdit>(w, "MainTxtBox")->size(), box);
        QCOMPARE(named<QFrame>(w, "Frame1")->geometry(), panel);
    } else {
        QCOMPARE(named<QPlainTextEdit>(w, "MainTxtBox")->x(), twips::toPixels(120));
        QCOMPARE(named<QFrame>(w, "Frame1")->y(), twips::toPixels(outerHeight - 1865));
        QCOMPARE(named<QPlainTextEdit>(w, "MainTxtBox")->width(), twips::toPixels(width - 360));
        // Below 2182.5 twips the height would be negative: refused, kept.
        const double height = outerHeight - 2182.5;
        QCOMPARE(named<QPlainTextEdit>(w, "MainTxtBox")->height(), height < 0 ? box.height() : twips::toPixels(height));
    }
    // A real resize lays out the same way.
    w.setOuterHeightTwips(outerHeight + 1500);
    QCOMPARE(named<QFrame>(w, "Frame1")->y(), twips::toPixels(w.outerHeightTwips() - 1865));
    w.setOuterHeightTwips(7695);
}

void TestWindowChrome::resizeWhileTextBoxHiddenChangesNothing()
{
    SayoraMain &w = *m_window;
    w.settings().ShowText = false;
    const QRect box = named<QPlainTextEdit>(w, "MainTxtBox")->geometry();
    const QRect panel = named<QFrame>(w, "Frame1")->geometry();
    w.setOuterHeightTwips(5000);
    QCOMPARE(named<QPlainTextEdit>(w, "MainTxtBox")->geometry(), box);
    QCOMPARE(named<QFrame>(w, "Frame1")->geometry(), panel);
    w.settings().ShowText = true;
    w.setOuterHeightTwips(7695);
}

void TestWindowChrome::dropDownWidth_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("width");
    QTest::newRow("empty list") << 0 << 0;
    QTest::newRow("28 keeps the box width") << 28 << 0;
    QTest::newRow("29") << 29 << 234;
    QTest::newRow("40") << 40 << 323;
    QTest::newRow("44") << 44 << 355;
}

void TestWindowChrome::dropDownWidth()
{
    QFETCH(int, length);
    QFETCH(int, width);
    QCOMPARE(SpeechController::dropDownWidth(length), width);
}

void TestWindowChrome::voiceFaceOpensList()
{
    SayoraMain &w = *m_window;
    w.speech()->setDisappear(true);
    QTest::mouseClick(named<QLineEdit>(w, "Text1"), Qt::LeftButton);
    QVERIFY(!w.speech()->disappear());
    QTRY_VERIFY_WITH_TIMEOUT(named<QComboBox>(w, "Combo1")->view()->isVisible(), 10000);
    named<QComboBox>(w, "Combo1")->hidePopup();
    w.speech()->setDisappear(true);
    QTest::mouseClick(named<ImageButton>(w, "Picture2"), Qt::LeftButton);
    QVERIFY(!w.speech()->disappear());
    QTRY_VERIFY_WITH_TIMEOUT(named<QComboBox>(w, "Combo1")->view()->isVisible(), 10000);
    named<QComboBox>(w, "Combo1")->hidePopup();
}

SAYORA_GUI_TEST_MAIN(TestWindowChrome)
#include "tst_window_chrome.moc"
