// Preloaded into the real reader by tests that watch it from outside: acts
// as a user who pastes a text, picks a voice and saves it as MP3, and says
// on standard output what the program showed. Set by the environment:
//   SAYORA_DRIVE_TARGET  the name typed into the save dialog
//   SAYORA_DRIVE_VOICE   the voice chosen on the voice list's face
//   SAYORA_DRIVE_TEXT    the text pasted into the text box
//   SAYORA_DRIVE_GO      (optional) a file whose appearing starts the save
//   SAYORA_DRIVE_FILTER  (optional) the save type, as the dialog names it;
//                        "MP3 File (*.mp3)" when not given
// Lines written: "ready", "saving", "message: <text>", "done: <file>", and
// after "done" "note: <text>" when the completion window has a note.
// After a message or the completion window the window is closed.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

void say(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QWidget *mainWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("sayoramain") && w->isVisible())
            return w;
    }
    return nullptr;
}

void closeMainWindowSoon()
{
    QTimer::singleShot(0, qApp, [] {
        if (QWidget *w = mainWindow())
            w->close();
    });
}

// Answers whatever modal window the program shows.
void answerModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal->property("driverAnswered").toBool())
        return;
    modal->setProperty("driverAnswered", true);
    if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
        const QString filter = qEnvironmentVariable("SAYORA_DRIVE_FILTER", QStringLiteral("MP3 File (*.mp3)"));
        dialog->selectNameFilter(filter);
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(qEnvironmentVariable("SAYORA_DRIVE_TARGET"));
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        say(QStringLiteral("message: ") + box->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
        QAbstractButton *button = box->defaultButton() ? box->defaultButton() : box->buttons().constFirst();
        QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
        closeMainWindowSoon();
    } else if (modal->objectName() == QLatin1String("mp3end")) {
        const auto labels = modal->findChildren<QLabel *>();
        say(QStringLiteral("done: ") + (labels.size() > 1 ? labels.at(1)->text() : QString()));
        if (const auto *note = modal->findChild<QLabel *>(QStringLiteral("Note")); note && !note->isHidden())
            say(QStringLiteral("note: ") + note->text());
        for (QPushButton *button : modal->findChildren<QPushButton *>()) {
            if (button->text() == QLatin1String("&Close"))
                QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
        }
        closeMainWindowSoon();
    }
}

void chooseVoiceAndText(QWidget *window)
{
    auto *list = window->findChild<QComboBox *>(QStringLiteral("Combo1"));
    auto *face = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
    const int wanted = list->findText(qEnvironmentVariable("SAYORA_DRIVE_VOICE"));
    if (wanted < 0) {
        say(QStringLiteral("no such voice"));
        return;
    }
    // The face passes Up and Down to the list: the next voice is chosen at once.
    for (int tries = 0; list->currentIndex() != wanted && tries < 1000; ++tries)
        QTest::keyClick(face, list->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
    auto *box = window->findChild<QPlainTextEdit *>(QStringLiteral("MainTxtBox"));
    QApplication::clipboard()->setText(qEnvironmentVariable("SAYORA_DRIVE_TEXT"));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

void clickSave(QWidget *window)
{
    for (QWidget *button : window->findChildren<QWidget *>()) {
        if (button->toolTip() == QLatin1String("Save as mp3, text file")) {
            say(QStringLiteral("saving"));
            QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
            return;
        }
    }
}

void drive()
{
    // The converter the window starts inherits the preload: it has no
    // windows to drive.
    if (!qEnvironmentVariableIsSet("SAYORA_DRIVE_TARGET") || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    auto *tick = new QTimer(qApp);
    tick->setInterval(20);
    auto stage = std::make_shared<int>(0);
    QObject::connect(tick, &QTimer::timeout, qApp, [stage] {
        answerModal();
        QWidget *window = mainWindow();
        if (*stage == 0 && window) {
            *stage = 1;
            chooseVoiceAndText(window);
            say(QStringLiteral("ready"));
        }
        const QString go = qEnvironmentVariable("SAYORA_DRIVE_GO");
        if (*stage == 1 && window && (go.isEmpty() || QFileInfo::exists(go))) {
            *stage = 2;
            // The click runs the dialog (and an espeak-ng rendering) inside
            // it; this timer goes on answering meanwhile.
            QTimer::singleShot(0, window, [window] { clickSave(window); });
        }
    });
    tick->start();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(drive)
