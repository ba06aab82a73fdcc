// The window under a Wayland compositor with a seat (scripts/weston-run.sh
// --seat): the pointer is moved and pressed on weston's X server by
// xdotool, and weston hands the window real Wayland input, as a user's. The
// voice list and the text box's menu open and take a click; the green
// background moves the window through the compositor; a second program
// drops text and a file on the text box; and a program that owns the
// clipboard but never hands it over leaves the window answering the user.
//
// Places are found on the compositor's screenshot: a Wayland program is not
// told where its window is.

#include "app/sayora_main.h"
#include "app/selection_key.h"
#include "desktop/selection_text.h"
#include "desktop/weston_screen.h"
#include "speech/speech_controller.h"
#include "support/test_support.h"
#include "ui/image_button.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

#include <memory>

using testsupport::named;

namespace {

// Counts the events of the given types that reach an object.
class Seen : public QObject
{
public:
    Seen(QObject *target, QList<QEvent::Type> types)
        : m_types(std::move(types))
    {
        target->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (m_types.contains(event->type()))
            ++count;
        return false;
    }

private:
    QList<QEvent::Type> m_types;
};

// xdotool on weston's X server. Waited for with the event loop running: the
// window under test lives in this process and must answer meanwhile.
bool xdotool(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), qEnvironmentVariable("SAYORA_SEAT_DISPLAY"));
    process.setProcessEnvironment(env);
    QSignalSpy done(&process, &QProcess::finished);
    process.start(QStringLiteral("xdotool"), arguments);
    return done.wait(20000) && process.exitCode() == 0;
}

bool pointTo(QPoint at)
{
    return xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
}

bool clickAt(QPoint at, int button = 1)
{
    return xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                    QStringLiteral("click"), QString::number(button)});
}

// Moves the held pointer in steps, as a hand does: a drag follows motion.
bool moveInSteps(QPoint from, QPoint to)
{
    const int steps = 8;
    for (int i = 1; i <= steps; ++i) {
        if (!pointTo(from + (to - from) * i / steps))
            return false;
    }
    return true;
}

// Another program on the desktop (wayland_peer).
class Peer
{
public:
    explicit Peer(const QStringList &arguments) { m_process.start(QStringLiteral(WAYLAND_PEER_EXE), arguments); }
    ~Peer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    // Waits for a line it says.
    bool said(const QByteArray &word)
    {
        return QTest::qWaitFor([&] {
            m_said += m_process.readAllStandardOutput();
            return m_said.split('\n').contains(word);
        }, 30000);
    }
    void end()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
    QByteArray m_said;
};

// The peer's magenta window on the screen (null until it shows).
QRect peerOnScreen()
{
    const QImage screen = westonscreen::shoot(QStringLiteral("peer"));
    QRect found;
    for (int y = 0; y < screen.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x) {
            if ((line[x] & 0xffffff) == 0xff00ff)
                found |= QRect(x, y, 1, 1);
        }
    }
    return found;
}

}  // namespace

class TestWaylandInput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void voiceListTakesAClick();
    void menuTakesAClick();
    void greenBackgroundMovesTheWindow();
    void textDroppedByAnotherProgram();
    void fileDroppedByAnotherProgram();
    void hangingClipboardOwnerLeavesTheWindowAnswering();
    void copiedTextIsRead();

private:
    // The window's top left on the screen, found by its Open picture.
    bool locateWindow();
    // A point of a widget (of the window or one of its popups) on the screen.
    QPoint onScreen(const QWidget *widget, QPointF local) const;
    // Where `area` of a widget, as its window draws it, shows on the screen,
    // looked for near where it should be; (-1, -1) when it is not there.
    QPoint shownAt(QWidget *widget, QRect area, const QString &label);
    // A point of the text box out of `away`'s way.
    QPoint textBoxPointAwayFrom(QRect away) const;
    void dragFromPeer(Peer &peer, QPlainTextEdit *box);

    std::unique_ptr<SayoraMain> m_window;
    QPoint m_origin;
    qreal m_density = 1;
};

void TestWaylandInput::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    QVERIFY2(!qEnvironmentVariableIsEmpty("SAYORA_SEAT_DISPLAY"), "run under scripts/weston-run.sh --seat");
    m_window = std::make_unique<SayoraMain>();
    m_window->load(QString());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    named<QPlainTextEdit>(*m_window, "MainTxtBox")->setPlainText(QStringLiteral("Sayora on Wayland."));
    m_density = m_window->devicePixelRatioF();
    // Out of the way of the pictures looked for.
    QVERIFY(pointTo({0, 0}));
    QTRY_VERIFY_WITH_TIMEOUT(locateWindow(), 60000);
}

void TestWaylandInput::cleanupTestCase()
{
    m_window.reset();
}

bool TestWaylandInput::locateWindow()
{
    auto *open = named<ImageButton>(*m_window, "Image3");
    const QImage screen = westonscreen::shoot(QStringLiteral("window"));
    if (screen.isNull())
        return false;
    const westonscreen::Match match = westonscreen::bestMatch(screen, open->pixmap().toImage());
    if (match.difference >= 20)
        return false;
    m_origin = match.at - (QPointF(open->mapTo(m_window.get(), QPoint())) * m_density).toPoint();
    return true;
}

QPoint TestWaylandInput::onScreen(const QWidget *widget, QPointF local) const
{
    const QPointF inWindow = widget->mapToGlobal(local) - QPointF(m_window->mapToGlobal(QPoint()));
    return m_origin + (inWindow * m_density).toPoint();
}

QPoint TestWaylandInput::shownAt(QWidget *widget, QRect area, const QString &label)
{
    // Drawn as its whole window, not as the widget alone: at a fractional
    // scale a widget inside a window starts between the window's pixels
    // (a frame of 1 is 1.5 pixels), and its own drawing is then half a pixel
    // off the screen's, as unlike it as a neighbouring row of similar text.
    // From the window's top edge down, so that neighbouring rows cannot
    // stand in for the one looked for.
    QWidget *window = widget->window();
    const QRect inWindow(widget->mapTo(window, area.topLeft()), area.size());
    const QRect context(inWindow.left(), 0, inWindow.width(), inWindow.bottom() + 1);
    const QRect pixels(QPoint(qFloor(context.left() * m_density), 0),
                       QPoint(qCeil((context.right() + 1) * m_density) - 1, qCeil((context.bottom() + 1) * m_density) - 1));
    const QImage whole = window->grab().toImage();
    const QImage drawn = whole.copy(pixels.intersected(whole.rect()));
    const QPoint expected = onScreen(window, QPointF(pixels.topLeft()) / m_density);
    const QImage screen = westonscreen::shoot(label);
    const westonscreen::Match match = westonscreen::bestMatch(screen, drawn, QRect(expected - QPoint(60, 60), QSize(121, 121)));
    qInfo("%s: drawn at (%d, %d), expected at (%d, %d), differing by %.2f", qPrintable(label), match.at.x(), match.at.y(),
          expected.x(), expected.y(), match.difference);
    if (match.difference >= 20)
        return QPoint(-1, -1);
    return match.at + (QPointF(inWindow.topLeft()) * m_density).toPoint() - pixels.topLeft();
}

QPoint TestWaylandInput::textBoxPointAwayFrom(QRect away) const
{
    auto *viewport = named<QPlainTextEdit>(*m_window, "MainTxtBox")->viewport();
    const QRect room = viewport->rect();
    for (const QPoint &p : {room.center(), room.topLeft() + QPoint(30, 30), room.bottomRight() - QPoint(30, 30),
                            QPoint(room.right() - 30, room.top() + 30), QPoint(room.left() + 30, room.bottom() - 30)}) {
        const QPoint at = onScreen(viewport, p);
        if (!away.adjusted(-20, -20, 20, 20).contains(at))
            return at;
    }
    return QPoint(-1, -1);
}

void TestWaylandInput::voiceListTakesAClick()
{
    auto *face = named<QLineEdit>(*m_window, "Text1");
    auto *list = named<QComboBox>(*m_window, "Combo1");
    QVERIFY2(list->count() >= 2, "needs two voices to choose between");
    QVERIFY(clickAt(onScreen(face, face->rect().center())));
    QTRY_VERIFY_WITH_TIMEOUT(list->view()->isVisible(), 10000);
    QWidget *popup = list->view()->window();
    QTRY_VERIFY_WITH_TIMEOUT(popup->windowHandle() && popup->windowHandle()->isExposed(), 10000);

    // The list's first row in sight other than the chosen voice: a popup
    // near the screen's edge runs off it.
    const int top = list->view()->indexAt(QPoint(1, 1)).row();
    const int wanted = top != list->currentIndex() ? top : top + 1;
    const QRect row = list->view()->visualRect(list->model()->index(wanted, 0));
    QVERIFY(list->view()->viewport()->rect().contains(row));
    // Not hovered: the row looks on the screen as the list draws it.
    QVERIFY(pointTo({0, 0}));
    QPoint at;
    QTRY_VERIFY_WITH_TIMEOUT((at = shownAt(list->view()->viewport(), row, QStringLiteral("voice-list"))) != QPoint(-1, -1), 20000);
    QVERIFY(clickAt(at + QPoint(row.width(), row.height()) * m_density / 2));
    QTRY_VERIFY_WITH_TIMEOUT(!list->view()->isVisible(), 10000);
    QCOMPARE(list->currentIndex(), wanted);
}

void TestWaylandInput::menuTakesAClick()
{
    auto *box = named<QPlainTextEdit>(*m_window, "MainTxtBox");
    box->setPlainText(QStringLiteral("A menu on Wayland."));
    QVERIFY(clickAt(onScreen(box->viewport(), box->viewport()->rect().center()), 3));
    QMenu *menu = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) != nullptr, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(menu->windowHandle() && menu->windowHandle()->isExposed(), 10000);
    QAction *selectAll = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text().remove(QLatin1Char('&')).startsWith(QLatin1String("Select All")))
            selectAll = action;
    }
    QVERIFY(selectAll);
    // Its left end: a menu near the screen's edge runs off it.
    const QRect whole = menu->actionGeometry(selectAll);
    const QRect row(whole.topLeft(), QSize(qMin(whole.width(), 100), whole.height()));
    QVERIFY(pointTo({0, 0}));
    QPoint at;
    QTRY_VERIFY_WITH_TIMEOUT((at = shownAt(menu, row, QStringLiteral("menu"))) != QPoint(-1, -1), 20000);
    QVERIFY(clickAt(at + QPoint(row.width(), row.height()) * m_density / 2));
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activePopupWidget(), 10000);
    QCOMPARE(box->textCursor().selectedText(), box->toPlainText());
}

void TestWaylandInput::greenBackgroundMovesTheWindow()
{
    auto *green = named<QFrame>(*m_window, "Frame1");
    // A point of the green itself, not of a control on it.
    QPoint bare(-1, -1);
    for (int y = 4; y < green->height() && bare.x() < 0; y += 4) {
        for (int x = 4; x < green->width() && bare.x() < 0; x += 4) {
            if (!green->childAt(x, y))
                bare = QPoint(x, y);
        }
    }
    QVERIFY(bare.x() >= 0);
    QVERIFY(locateWindow());
    const QPoint before = m_origin;
    const QPoint from = onScreen(green, bare);
    // Even, so that it is whole at a scale of 2 too. Down while the
    // window's top is in the screen's upper half: the compositor keeps a
    // window's top on the screen, and at 1.5 the window is nearly as tall as
    // the screen, its green in the lower half. Sideways toward the middle.
    const QImage screen = westonscreen::shoot(QStringLiteral("before-move"));
    const QPoint step((from.x() < screen.width() / 2 ? 1 : -1) * 80, (before.y() < screen.height() / 2 ? 1 : -1) * 40);

    Seen pressed(green, {QEvent::MouseButtonPress});
    QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y()),
                     QStringLiteral("mousedown"), QStringLiteral("1")}));
    // A button left held would drag in the tests that follow.
    auto release = qScopeGuard([] { xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}); });
    // The press has reached the window, which has asked the compositor to
    // move it: from here the compositor, not the window, follows the pointer.
    QTRY_COMPARE_WITH_TIMEOUT(pressed.count, 1, 10000);
    QVERIFY(moveInSteps(from, from + step));
    QTRY_VERIFY_WITH_TIMEOUT(locateWindow() && m_origin == before + step, 20000);
    release.dismiss();
    QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
    QVERIFY(pointTo({0, 0}));
    QVERIFY(locateWindow());
    QCOMPARE(m_origin, before + step);
    westonscreen::shoot(QStringLiteral("moved"));
}

// Presses on the peer's window, drags across into the text box, as a hand
// does, and lets go there.
void TestWaylandInput::dragFromPeer(Peer &peer, QPlainTextEdit *box)
{
    QVERIFY(peer.said("shown"));
    QRect shown;
    QTRY_VERIFY_WITH_TIMEOUT((shown = peerOnScreen()).width() > 20, 20000);
    QVERIFY(locateWindow());
    const QPoint target = textBoxPointAwayFrom(shown);
    QVERIFY(target.x() >= 0);

    Seen over(box->viewport(), {QEvent::DragEnter, QEvent::DragMove});
    QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(shown.center().x()), QString::number(shown.center().y()),
                     QStringLiteral("mousedown"), QStringLiteral("1")}));
    // A button left held would drag in the tests that follow.
    auto release = qScopeGuard([] { xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}); });
    QVERIFY(peer.said("dragging"));
    QVERIFY(moveInSteps(shown.center(), target));
    QTRY_VERIFY_WITH_TIMEOUT(over.count > 0, 10000);
    QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
}

void TestWaylandInput::textDroppedByAnotherProgram()
{
    auto *box = named<QPlainTextEdit>(*m_window, "MainTxtBox");
    box->setPlainText(QStringLiteral("Sayora on Wayland."));
    const QString dropped = QStringLiteral("Dropped from another program.");
    Peer peer({QStringLiteral("drag-text"), dropped});
    dragFromPeer(peer, box);
    if (QTest::currentTestFailed())
        return;
    QTRY_VERIFY_WITH_TIMEOUT(box->toPlainText().contains(dropped), 10000);
    QVERIFY(box->toPlainText().contains(QStringLiteral("Sayora on Wayland.")));
    QVERIFY(peer.said("dragged"));
}

void TestWaylandInput::fileDroppedByAnotherProgram()
{
    QTemporaryDir folder;
    const QString text = QStringLiteral("A file dropped on the window is opened.");
    const QString path = testsupport::writeFile(folder.filePath(QStringLiteral("dropped.txt")), text.toUtf8());
    auto *box = named<QPlainTextEdit>(*m_window, "MainTxtBox");
    box->setPlainText(QStringLiteral("Sayora on Wayland."));
    Peer peer({QStringLiteral("drag-file"), path});
    dragFromPeer(peer, box);
    if (QTest::currentTestFailed())
        return;
    // The file's text replaces the box's, not the file's name.
    QTRY_COMPARE_WITH_TIMEOUT(box->toPlainText().trimmed(), text, 10000);
    QVERIFY(peer.said("dragged"));
}

void TestWaylandInput::hangingClipboardOwnerLeavesTheWindowAnswering()
{
    auto *box = named<QPlainTextEdit>(*m_window, "MainTxtBox");
    box->setPlainText(QStringLiteral("The user's own text."));
    auto *key = m_window->findChild<SelectionKey *>();
    QVERIFY(key);
    SelectionText *selection = key->selection();

    Peer owner({QStringLiteral("own-clipboard")});
    QVERIFY(owner.said("shown"));
    QRect shown;
    QTRY_VERIFY_WITH_TIMEOUT((shown = peerOnScreen()).width() > 20, 20000);
    QVERIFY(clickAt(shown.center()));
    QVERIFY(owner.said("owned"));

    // The owner is asked and never answers: the read gives up in time.
    QSignalSpy done(selection, &SelectionText::finished);
    selection->setAnswerLimit(3000);
    key->readSelection();
    QVERIFY(selection->isReading());
    QVERIFY(owner.said("asked"));
    QVERIFY(done.wait(30000));
    const auto result = done.first().first().value<SelectionText::Result>();
    QVERIFY2(result.error.contains(QStringLiteral("no answer")), qPrintable(result.error));
    QCOMPARE(box->toPlainText(), QStringLiteral("The user's own text."));

    // While a read waits on it, the user's clicks are answered at once.
    selection->setAnswerLimit(600000);
    key->readSelection();
    QVERIFY(selection->isReading());
    QVERIFY(locateWindow());
    Seen pressed(box->viewport(), {QEvent::MouseButtonPress});
    QVERIFY(clickAt(textBoxPointAwayFrom(shown)));
    QTRY_COMPARE_WITH_TIMEOUT(pressed.count, 1, 10000);
    QVERIFY(selection->isReading());
    // The owner gone, the read ends, with nothing to read.
    owner.end();
    QTRY_VERIFY_WITH_TIMEOUT(!selection->isReading(), 20000);
    QCOMPARE(box->toPlainText(), QStringLiteral("The user's own text."));
    selection->setAnswerLimit(10000);
}

void TestWaylandInput::copiedTextIsRead()
{
    auto *box = named<QPlainTextEdit>(*m_window, "MainTxtBox");
    box->setPlainText(QStringLiteral("The user's own text."));
    const QString copied = QStringLiteral("Copied by another program on Wayland.");
    QProcess copy;
    QSignalSpy copiedDone(&copy, &QProcess::finished);
    // wl-copy hands the text to a copy of itself that serves it, and ends.
    copy.start(QStringLiteral("wl-copy"), {copied});
    QVERIFY(copiedDone.wait(20000));
    QCOMPARE(copy.exitCode(), 0);
    auto *key = m_window->findChild<SelectionKey *>();
    key->readSelection();
    QTRY_COMPARE_WITH_TIMEOUT(box->toPlainText(), copied, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->speech()->readingUnderway(), 10000);
    m_window->speech()->Stop();

    // The command a desktop key runs reads it as well (the compositor keeps
    // no primary selection: the clipboard stands in).
    QProcess command;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SAYORA_SELECTION_DRY_RUN"), QStringLiteral("1"));
    command.setProcessEnvironment(env);
    QSignalSpy commandDone(&command, &QProcess::finished);
    command.start(QStringLiteral(SAYORA_SELECTION_EXE), {});
    QVERIFY(commandDone.wait(30000));
    QCOMPARE(command.exitCode(), 0);
    const QString said = QString::fromUtf8(command.readAllStandardOutput());
    QCOMPARE(said.section(QLatin1Char('\n'), 1), copied);
    QProcess::execute(QStringLiteral("wl-copy"), {QStringLiteral("--clear")});
}

int main(int argc, char **argv)
{
    testsupport::isolateUserFolders();
    QApplication app(argc, argv);
    TestWaylandInput test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wayland_input.moc"
