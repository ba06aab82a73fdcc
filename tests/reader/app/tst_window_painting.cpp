// Every window the panel opens, opened where it opens by default, over the
// main window, on a real X server: what the X server's screen shows there is
// what the window draws, and a click at one of its buttons' places does what
// the button does. The pixels are read from the screen, not from
// QWidget::grab(), which renders a widget by itself whether or not it ever
// reaches the screen.

#include "reader/update/http_test_server.h"

#include "app/mp3_end.h"
#include "app/sayora_main.h"
#include "help/help_window.h"
#include "support/test_support.h"
#include "ui/image_button.h"
#include "update/update_window.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

using testsupport::named;

namespace {

constexpr int paintTimeout = 15000;

// Share of the window's pixels that the screen shows as the window renders
// them, within a small tolerance.
double shownShare(QWidget *window, double *blackShare)
{
    const QRect area = window->geometry();
    const QImage screen = window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32);
    const QImage own = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (screen.size() != own.size() || screen.isNull())
        return 0;
    qint64 same = 0;
    qint64 black = 0;
    for (int y = 0; y < own.height(); ++y) {
        const auto *s = reinterpret_cast<const QRgb *>(screen.constScanLine(y));
        const auto *o = reinterpret_cast<const QRgb *>(own.constScanLine(y));
        for (int x = 0; x < own.width(); ++x) {
            black += (s[x] & 0xFFFFFF) == 0;
            same += qAbs(qRed(s[x]) - qRed(o[x])) <= 8 && qAbs(qGreen(s[x]) - qGreen(o[x])) <= 8
                    && qAbs(qBlue(s[x]) - qBlue(o[x])) <= 8;
        }
    }
    const double pixels = double(own.width()) * own.height();
    *blackShare = black / pixels;
    return same / pixels;
}

// A click as a hand makes it, at the button's place in its window.
void click(QAbstractButton *button)
{
    QWindow *window = button->window()->windowHandle();
    const QPoint at = button->mapTo(button->window(), button->rect().center());
    QTest::mouseMove(window, at);
    QTest::mousePress(window, Qt::LeftButton, {}, at);
    QTest::mouseRelease(window, Qt::LeftButton, {}, at, 120);
}

QAbstractButton *standardButton(QWidget *window, QDialogButtonBox::StandardButton which)
{
    for (QDialogButtonBox *box : window->findChildren<QDialogButtonBox *>()) {
        if (QAbstractButton *button = box->button(which))
            return button;
    }
    return nullptr;
}

}  // namespace

class TestWindowPainting : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowOverMainWindow_data();
    void windowOverMainWindow();

private:
    std::unique_ptr<HttpTestServer> m_server;
    std::unique_ptr<SayoraMain> m_main;
};

void TestWindowPainting::init()
{
    m_server = std::make_unique<HttpTestServer>();
    m_server->setAnswer(QStringLiteral("/sayora/nvexe.ini"), {QByteArrayLiteral("1.19\r\n")});
    qputenv("SAYORA_UPDATE_URL", m_server->baseUrl().toString().toUtf8());
    m_main = std::make_unique<SayoraMain>();
    m_main->load(QString());
    // Save has nothing to offer for an empty text box.
    named<QPlainTextEdit>(*m_main, "MainTxtBox")->setPlainText(QStringLiteral("A text to save."));
    m_main->move(60, 60);
    m_main->show();
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void TestWindowPainting::cleanup()
{
    m_main.reset();
    m_server.reset();
}

void TestWindowPainting::windowOverMainWindow_data()
{
    // How the window opens: a panel picture, or the program's own call for
    // the two windows that open at the end of an action.
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("title");
    QTest::newRow("update") << "Image1" << "Update Online----Sayora";
    QTest::newRow("help") << "Image19" << "How does it work? ";
    QTest::newRow("font") << "Image7" << "Font";
    QTest::newRow("colour") << "Image8" << "";
    QTest::newRow("open") << "Image3" << "";
    QTest::newRow("save") << "Image2" << "";
    QTest::newRow("completion window mp3end") << "mp3end" << "Sayora";
    QTest::newRow("message box") << "message box" << "Sayora";
}

void TestWindowPainting::windowOverMainWindow()
{
    QFETCH(QString, opener);
    QFETCH(QString, title);
    SayoraMain *main = m_main.get();

    // Modal windows run their own loop inside the click that opens them:
    // the window is looked at and answered from there.
    bool seen = false;
    bool answered = false;
    QPointer<QWidget> opened;
    auto *poll = new QTimer(this);
    poll->setInterval(20);
    connect(poll, &QTimer::timeout, this, [&, poll] {
        QWidget *window = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            const Qt::WindowType type = top->windowType();
            if (top != main && top->isVisible() && type != Qt::ToolTip && type != Qt::Popup && top->windowHandle()
                && top->windowHandle()->isExposed())
                window = top;
        }
        if (!window)
            return;
        poll->stop();
        poll->deleteLater();
        seen = true;
        opened = window;
        if (!title.isEmpty())
            QCOMPARE(window->windowTitle(), title);
        // A window manager may place a window that has no owner's centre to
        // open on (the help window) elsewhere: it is put over the main window.
        if (!main->geometry().intersects(window->frameGeometry()))
            window->move(main->geometry().topLeft() + QPoint(20, 60));
        QTRY_VERIFY2(main->geometry().intersects(window->frameGeometry()), "over the main window");

        double black = 1;
        QTRY_VERIFY2_WITH_TIMEOUT(shownShare(window, &black) > 0.9, "the screen shows what the window draws", paintTimeout);
        QVERIFY(black < 0.5);

        QAbstractButton *button = nullptr;
        auto *update = dynamic_cast<UpdateWindow *>(window);
        if (update)
            button = update->Command4;
        else if (auto *help = dynamic_cast<HelpWindow *>(window))
            button = help->Command1;
        else if (auto *end = dynamic_cast<Mp3End *>(window))
            button = end->Command2;
        else if (auto *box = dynamic_cast<QMessageBox *>(window))
            button = box->button(QMessageBox::Ok);
        else
            button = standardButton(window, QDialogButtonBox::Cancel);
        QVERIFY(button);
        click(button);
        if (update) {
            // "Check" asks the server; the window stays.
            QTRY_COMPARE_WITH_TIMEOUT(m_server->requests(QStringLiteral("/sayora/nvexe.ini")), 1, paintTimeout);
            QTRY_VERIFY(update->Label5->isVisible());
            QCOMPARE(update->Label5->text(), QStringLiteral("No new version"));
            update->close();
        }
        QTRY_VERIFY(opened.isNull() || !opened->isVisible());
        answered = true;
    });
    poll->start();

    if (opener == QLatin1String("mp3end")) {
        Mp3End end(QStringLiteral("/tmp/reading.mp3"), main);
        end.exec();
    } else if (opener == QLatin1String("message box")) {
        // Opening a file that cannot be read says so in a message box.
        QVERIFY(!main->openDocument(QStringLiteral("/nonexistent/folder/notes.txt")));
    } else {
        const QList<ImageButton *> pictures{named<ImageButton>(*main, "Image1"), named<ImageButton>(*main, "Image19"), named<ImageButton>(*main, "Image7"), named<ImageButton>(*main, "Image8"), named<ImageButton>(*main, "Image3"), named<ImageButton>(*main, "Image2")};
        const QStringList names{QStringLiteral("Image1"), QStringLiteral("Image19"), QStringLiteral("Image7"),
                                QStringLiteral("Image8"), QStringLiteral("Image3"), QStringLiteral("Image2")};
        ImageButton *picture = pictures.at(names.indexOf(opener));
        QWindow *window = main->windowHandle();
        const QPoint at = picture->mapTo(main, picture->rect().center());
        QTest::mouseMove(window, at);
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        QTest::mouseRelease(window, Qt::LeftButton, {}, at, 120);
    }
    QTRY_VERIFY_WITH_TIMEOUT(seen, paintTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(answered, paintTimeout);
}

SAYORA_GUI_TEST_MAIN(TestWindowPainting)
#include "tst_window_painting.moc"
