#include "app/mp3_end.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

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

    Label1 = new QLabel(QStringLiteral("Convert text to"), this);
    Label2 = new QLabel(targetFile, this);
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label2->setWordWrap(true);
    Label3 = new QLabel(QStringLiteral("Successfully!"), this);
    Command1 = new QPushButton(QStringLiteral("&Play"), this);
    Command2 = new QPushButton(QStringLiteral("&Close"), this);
    Command2->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Label2, 1, 0, 1, 2);
    grid->addWidget(Label3, 2, 0, 1, 2);
    grid->addWidget(Command1, 3, 0);
    grid->addWidget(Command2, 3, 1);

    // Playing leaves the window open: only Close closes it.
    connect(Command1, &QPushButton::clicked, this, [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(m_target)); });
    connect(Command2, &QPushButton::clicked, this, &QDialog::accept);
}
