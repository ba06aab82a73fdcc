#include "help/help_window.h"

#include "help/word_speaker_installer.h"
#include "shell/program_folder.h"
#include "shell/user_language.h"
#include "ui/cursor_file.h"
#include "ui/label_fit.h"
#include "ui/label_link.h"
#include "ui/twips.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>

namespace {

constexpr int leftTwips = 240;

enum class Look { Heading, Line, Advice, Notes, Installer, Link };

QLabel *line(QWidget *parent, int top, const QString &text, Look look, int left = leftTwips)
{
    auto *label = new QLabel(text, parent);
    QFont font = look == Look::Heading ? QFont(QStringLiteral("Arial")) : QFont(QStringLiteral("Times New Roman"));
    font.setPointSizeF(look == Look::Heading ? 14.25 : 12);
    font.setBold(true);
    font.setUnderline(look == Look::Link);
    label->setFont(font);
    QColor ink, back;
    switch (look) {
    case Look::Heading: ink = Qt::yellow; back = Qt::red; break;
    case Look::Advice: ink = Qt::white; back = Qt::gray; break;
    case Look::Notes: ink = QColor(255, 255, 192); back = Qt::red; break;
    case Look::Installer: ink = Qt::white; back = Qt::black; break;
    case Look::Link: ink = Qt::blue; break;
    case Look::Line: ink = Qt::black; break;
    }
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ink);
    if (back.isValid()) {
        palette.setColor(QPalette::Window, back);
        label->setAutoFillBackground(true);
    }
    label->setPalette(palette);
    label->move(twips::toPixels(left), twips::toPixels(top));
    fitLabelWidth(label, twips::toPixels(10350) - 4);
    return label;
}

}  // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("howto"));
    setWindowTitle(tr("How does it work? "));
    setFixedSize(twips::toPixels(10350), twips::toPixels(6105));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    setPalette(palette);
    setAutoFillBackground(true);
    buildLines();

    Label2->setCursor(cursorFromFile(programFile(QStringLiteral("H_POINT.CUR"))));
    makeLabelLink(Label2, [this] { helpLinkClick(); });
    makeLabelLink(Label3, [this] { installerClick(); });
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    // As every window of its kind on the desktop.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::buildLines()
{
    line(this, 0, tr("How to listen to the text of a web page ?"), Look::Heading);
    line(this, 360, tr("When you browse with Internet Explorer 5.0(or above version) ,"), Look::Line);
    line(this, 600, tr("use your mouse to select the text you want to listen to, right-click mouse ,"), Look::Line);
    line(this, 840, tr("and a \"Speak by Sayora\" command will be on the popup drop down menu ,"), Look::Line);
    line(this, 1080, tr("click it ,the selected text will be spoken."), Look::Line);
    line(this, 1440, tr("How to listen to Microsoft WORD document ?"), Look::Heading);
    line(this, 1800, tr("If you have installed Microsoft WORD, then after installing Sayora,"), Look::Line);
    line(this, 2040, tr("a little yellow speaker icon will appears in your Microsoft WORD tool bar."), Look::Line);
    line(this, 2280, tr("Click on it (or push the key \"F12\"), all the text in Word document will be spoken."), Look::Line);
    line(this, 2520, tr("You can select some text in word document to be spoken."), Look::Line);
    line(this, 2760, tr("  The macro file \"Speak.dot\" within this software is safe, please use it."), Look::Line);
    QLabel *advice = line(this, 3000, tr("Advice:"), Look::Advice);
    line(this, 3000, tr("Install a good anti-virus software and set Macro's security of MS WORD to Low"), Look::Line,
         twips::fromPixels(advice->geometry().right() + 1) + 60);
    Label3 = line(this, 3360, tr("If there's no Speaker on your MS WORD tool bar ,click here to add it."), Look::Installer);
    line(this, 3720, tr("How to listen to text file(*.txt or *.rtf files) in explorer ?"), Look::Heading);
    line(this, 4080, tr("Right-click text file (*.txt or *.rtf files)  in explorer, select \"Speak by Sayora\" command,"), Look::Line);
    line(this, 4320, tr("the text file will be spoken ."), Look::Line);
    line(this, 4680, tr("Notes:"), Look::Notes);
    line(this, 5160, tr("After install Sayora, restart your computer to make full features take effective."), Look::Line);
    Label2 = line(this, 5640, tr("Read the Sayora help page"), Look::Link);
    Command1 = new QPushButton(tr("&Close"), this);
    Command1->setGeometry(twips::rect(7200, 5640, 1215, 375));
}

QString HelpWindow::supportAddress()
{
    return QStringLiteral(SAYORA_SUPPORT_ADDRESS);
}

// ---- closing and the help page

void HelpWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Only the background: a double click on a line or a link is not meant
    // to close the window.
    if (!childAt(event->position().toPoint()))
        close();
}

void HelpWindow::helpLinkClick()
{
    const QString page = translatedProgramFile(QStringLiteral("help.htm"));
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(page))) {
        message(tr("The help page %1 could not be opened: no program to show it was found.").arg(page));
        return;
    }
    close();
}

// ---- the Word speaker

void HelpWindow::installerClick()
{
    const SpeakerInstall install = installWordSpeaker();
    switch (install.result) {
    case SpeakerInstall::WordNotFound:
        return message(tr("Can not find MS WORD"));
    case SpeakerInstall::PathNotRead:
        return message(tr("Retrieve Microsoft Office path fail"));
    case SpeakerInstall::Installed:
        return message(tr("Copy %1 TO %2 Successfully . The speaker has been added to your MS WORD tool bar!")
                           .arg(install.source, install.destination));
    case SpeakerInstall::CopyFailed:
        break;
    }
    if (install.errorNumber == SpeakerInstall::FileNotFound)
        message(tr("Can not find %1 file").arg(programFile(QStringLiteral("Speak.dot"))));
    else if (install.errorNumber == SpeakerInstall::PermissionDenied)
        message(tr("The file %1 is opening , please close your MS WORD").arg(install.source));
    else
        errorReport(install.errorNumber, install.errorDescription);
}

void HelpWindow::errorReport(int number, const QString &description)
{
    const QString title = tr("Add Speaker to MS WORD Error");
    auto *box = new QMessageBox(QMessageBox::Critical, title,
                                tr("%1  %2 (Whould you like E-Mail this error message to me ? My email is %3)")
                                    .arg(number).arg(description, supportAddress()),
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // The box's help: F1 opens the short help file.
    auto *help = new QShortcut(QKeySequence::HelpContents, box);
    connect(help, &QShortcut::activated, box, [] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(programFile(QStringLiteral("DEMO.HLP"))));
    });
    connect(box, &QMessageBox::finished, this, [this, number, description, title](int answer) {
        if (answer != QMessageBox::Yes)
            return;
        const QString subject = title + QStringLiteral(" Code:") + QString::number(number) + QStringLiteral(" Text:") + description;
        // The subject is percent-encoded: an error text with "&", "#" or "?"
        // must not break the link.
        QDesktopServices::openUrl(QUrl::fromEncoded("mailto:" + supportAddress().toUtf8() + "?subject="
                                                    + QUrl::toPercentEncoding(subject), QUrl::StrictMode));
    });
    box->open();
}

void HelpWindow::message(const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Sayora"), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
