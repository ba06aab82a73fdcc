// The window keeps its own colours, but the dialogs it opens follow the
// desktop's theme (here a dark one) and fit on the screen with nothing cut
// off, with the desktop's large text and at 200 % scaling (the test runs a
// second time with QT_SCALE_FACTOR=2 on a 4K screen).

#include "app/sayora_main.h"
#include "support/test_support.h"
#include "ui/image_button.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

using testsupport::named;

namespace {

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(32, 32, 36));
    dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
    dark.setColor(QPalette::Base, QColor(20, 20, 22));
    dark.setColor(QPalette::AlternateBase, QColor(40, 40, 44));
    dark.setColor(QPalette::Text, QColor(235, 235, 235));
    dark.setColor(QPalette::Button, QColor(48, 48, 52));
    dark.setColor(QPalette::ButtonText, QColor(235, 235, 235));
    dark.setColor(QPalette::Highlight, QColor(60, 110, 200));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

struct Seen
{
    bool opened = false;
    QString problems;
};

// Looks at the modal dialog a click opens, then closes it.
void inspectModalSoon(Seen *seen, int triesLeft = 500)
{
    QTimer::singleShot(10, [seen, triesLeft] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            if (triesLeft > 0)
                inspectModalSoon(seen, triesLeft - 1);
            return;
        }
        seen->opened = true;
        QStringList problems;
        const QPalette app = QApplication::palette();
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text, QPalette::Button})
            if (modal->palette().color(role) != app.color(role))
                problems << QStringLiteral("palette role %1 is %2").arg(role).arg(modal->palette().color(role).name());
        const QRect screen = modal->screen()->availableGeometry();
        if (modal->width() > screen.width() || modal->height() > screen.height())
            problems << QStringLiteral("%1x%2 is larger than the screen").arg(modal->width()).arg(modal->height());
        const QSize least = modal->minimumSizeHint();
        if (modal->width() < least.width() || modal->height() < least.height())
            problems << QStringLiteral("smaller than its layout needs");
        // Every caption and button shows its whole text.
        for (QWidget *child : modal->findChildren<QWidget *>()) {
            if (!child->isVisible())
                continue;
            const bool hasText = (qobject_cast<QLabel *>(child) && !static_cast<QLabel *>(child)->text().isEmpty()
                                  && !static_cast<QLabel *>(child)->wordWrap())
                                 || (qobject_cast<QAbstractButton *>(child) && !static_cast<QAbstractButton *>(child)->text().isEmpty());
            if (hasText && child->width() < child->minimumSizeHint().width())
                problems << QStringLiteral("%1 \"%2\" is cut off").arg(QString::fromLatin1(child->metaObject()->className()),
                                                                    child->property("text").toString());
        }
        seen->problems = problems.join(QStringLiteral("; "));
        modal->close();
    });
}

}  // namespace

class TestDialogTheme : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void dialogsFollowTheDesktopTheme_data();
    void dialogsFollowTheDesktopTheme();
};

void TestDialogTheme::initTestCase()
{
    QFile::remove(SettingsRecord::defaultPath());
    QApplication::setPalette(darkPalette());
}

void TestDialogTheme::dialogsFollowTheDesktopTheme_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<double>("textScale");
    for (double scale : {1.0, 1.5}) {
        const char *text = scale > 1 ? "large text" : "normal text";
        QTest::addRow("open, %s", text) << "Image3" << scale;
        QTest::addRow("font, %s", text) << "Image7" << scale;
        QTest::addRow("back colour, %s", text) << "Image8" << scale;
    }
}

void TestDialogTheme::dialogsFollowTheDesktopTheme()
{
    QFETCH(QString, button);
    QFETCH(double, textScale);
    const QFont normal = QApplication::font();
    QFont font = normal;
    font.setPointSizeF(normal.pointSizeF() * textScale);
    QApplication::setFont(font);
    const auto restore = qScopeGuard([normal] { QApplication::setFont(normal); });
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
    SayoraMain window;
    window.load(QString());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ImageButton *target = button == QLatin1String("Image3") ? named<ImageButton>(window, "Image3") : button == QLatin1String("Image7") ? named<ImageButton>(window, "Image7") : named<ImageButton>(window, "Image8");

    Seen seen;
    inspectModalSoon(&seen);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    QVERIFY(seen.opened);
    QVERIFY2(seen.problems.isEmpty(), qPrintable(seen.problems));
    // The window itself keeps its own green and its text box's colours.
    QCOMPARE(window.palette().color(QPalette::Window), QColor(0, 128, 0));
    QCOMPARE(named<QPlainTextEdit>(window, "MainTxtBox")->palette().color(QPalette::Base), QColor(0, 0, 192));
}

SAYORA_GUI_TEST_MAIN(TestDialogTheme)
#include "tst_dialog_theme.moc"
