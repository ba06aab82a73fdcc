#include "app/mp3_end.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

Mp3End::Mp3End(const QString &targetFile, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , m_target(targetFile)
{
    setObjectName(QStringLiteral("mp3end"));
    setWindowTitle(QStringLiteral("Sayora"));
    // The program's own light grey, with the desktop's text colour kept
    // readable on it.
    QPalette look = palette();
    look.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    look.setColor(QPalette::WindowText, Qt::black);
    setPalette(look);
    setAutoFillBackground(true);
    setFont(QFont(QStringLiteral("Tahoma"), 9));

    Label1 = new QLabel(tr("Convert text to"), this);
    Label2 = new QLabel(targetFile, this);
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label2->setWordWrap(true);
    Label3 = new QLabel(tr("Successfully!"), this);
    Note = new QLabel(this);
    Note->setObjectName(QStringLiteral("Note"));
    Note->setWordWrap(true);
    Note->hide();
    Command1 = new QPushButton(tr("&Play"), this);
    Command2 = new QPushButton(tr("&Close"), this);
    Command2->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Label2, 1, 0, 1, 2);
    grid->addWidget(Label3, 2, 0, 1, 2);
    grid->addWidget(Note, 3, 0, 1, 2);
    grid->addWidget(Command1, 4, 0);
    grid->addWidget(Command2, 4, 1);

    // Playing leaves the window open: only Close closes it.
    connect(Command1, &QPushButton::clicked, this, &Mp3End::play);
    connect(Command2, &QPushButton::clicked, this, &QDialog::accept);
}

void Mp3End::setNote(const QString &note)
{
    Note->setText(note);
    Note->setVisible(!note.isEmpty());
}

void Mp3End::play()
{
    // xdg-open says whether the desktop had a program for the file, which
    // the desktop services' answer (that xdg-open started) does not.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        noPlayer();
        return;
    }
    // Not a child of this window: closing it must not end the player.
    auto *open = new QProcess(qApp);
    open->setProgram(opener);
    open->setArguments({m_target});
    open->setStandardOutputFile(QProcess::nullDevice());
    open->setStandardErrorFile(QProcess::nullDevice());
    const QPointer<Mp3End> window(this);
    const QPointer<QWidget> owner(parentWidget());
    const auto done = [open, window, owner](bool played) {
        open->deleteLater();
        if (played)
            return;
        if (window)
            window->noPlayer();
        else if (owner)
            QMessageBox::information(owner, QStringLiteral("Sayora"), noPlayerText());
    };
    connect(open, &QProcess::finished, open, [open, done] {
        done(open->exitStatus() == QProcess::NormalExit && open->exitCode() == 0);
    });
    connect(open, &QProcess::errorOccurred, open, [done](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            done(false);
    });
    open->start();
}

QString Mp3End::noPlayerText()
{
    return tr("No program to play MP3 files was found on this desktop.");
}

void Mp3End::noPlayer()
{
    QMessageBox::information(this, QStringLiteral("Sayora"),
                             noPlayerText() + QStringLiteral("\n\n") + tr("The file is %1").arg(QDir::toNativeSeparators(m_target)));
}
