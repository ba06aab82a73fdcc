#include "update/update_window.h"

#include "files/atomic_file.h"
#include "net/internet_transfer.h"
#include "shell/program_folder.h"
#include "ui/cursor_file.h"
#include "ui/label_fit.h"
#include "ui/label_link.h"
#include "ui/twips.h"
#include "update/update_rules.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString versionFileName = QStringLiteral("newversion.ini");
const QString installerFileName = QStringLiteral("tempsetup.exe");

QLabel *label(QWidget *parent, int left, int top, const QString &text = QString())
{
    auto *l = new QLabel(text, parent);
    l->move(twips::toPixels(left), twips::toPixels(top));
    l->adjustSize();
    return l;
}

// A label whose width follows its text, within the window.
void setText(QLabel *l, const QString &text)
{
    l->setText(text);
    fitLabelWidth(l, twips::toPixels(6255) - 4);
}

void fill(QLabel *l, const QColor &colour)
{
    QPalette palette = l->palette();
    palette.setColor(QPalette::Window, colour);
    l->setPalette(palette);
    l->setAutoFillBackground(true);
}

QPushButton *button(QWidget *parent, const QString &caption, QRect geometry)
{
    auto *b = new QPushButton(caption, parent);
    // A caption longer than its place (another language, a wider face)
    // widens the button about its centre: the row has room between them.
    if (const int missing = b->sizeHint().width() - geometry.width(); missing > 0)
        geometry.adjust(-missing / 2, 0, missing - missing / 2, 0);
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}

QString stateText(int state)
{
    switch (state) {
    case 0: return QCoreApplication::translate("UpdateWindow", "No available information");
    case 1: return QCoreApplication::translate("UpdateWindow", "Checking Server's IP");
    case 2: return QCoreApplication::translate("UpdateWindow", "Found Server's IP Successfully");
    case 3: return QCoreApplication::translate("UpdateWindow", "Connecting Server");
    case 4: return QCoreApplication::translate("UpdateWindow", "Connected Server");
    case 5: return QCoreApplication::translate("UpdateWindow", "Requesting Server");
    case 6: return QCoreApplication::translate("UpdateWindow", "Requested Server");
    case 7: return QCoreApplication::translate("UpdateWindow", "Waiting Server's Replay");
    case 8: return QCoreApplication::translate("UpdateWindow", "Received Server' Replay");
    case 9: return QCoreApplication::translate("UpdateWindow", "Disconnecting Server");
    case 10: return QCoreApplication::translate("UpdateWindow", "Disconnected Server");
    case 11: return QCoreApplication::translate("UpdateWindow", "Unable to Connect to Server");
    case 12: return QCoreApplication::translate("UpdateWindow", "Request has been handled");
    default: return QString();
    }
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

UpdateWindow::UpdateWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("update"));
    setWindowTitle(tr("Update Online----Sayora"));
    setModal(true);
    setFixedSize(twips::toPixels(6255), twips::toPixels(3195));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    Inet3 = new InternetTransfer(this);
    Inet4 = new InternetTransfer(this);
    Inet4->setExecuteLimit(installerLimit);
    buildWidgets();

    connect(Command4, &QPushButton::clicked, this, &UpdateWindow::checkClick);
    connect(Command5, &QPushButton::clicked, this, &UpdateWindow::updateClick);
    connect(Command8, &QPushButton::clicked, this, &QDialog::close);
    connect(Inet3, &InternetTransfer::StateChanged, this, &UpdateWindow::showState);
    connect(Inet3, &InternetTransfer::urlOpened, this, &UpdateWindow::versionFileArrived);
    connect(Inet4, &InternetTransfer::StateChanged, this, [this](int state) {
        if (state == InternetTransfer::icResponseCompleted)
            return downloadCompleted();
        showState(state);
        if (state == InternetTransfer::icError)
            downloadFailed();
    });
    connect(Inet4, &InternetTransfer::dataArrived, this, [this] { readChunks(false); });

    // Opening the window.
    QFile::remove(userFile(versionFileName));
    Label20->clear();
    setBarTwips(0);
    Label5->clear();
    CurrentVersion = firstLine(readFile(programFile(QStringLiteral("versionexe.ini"))));
    if (CurrentVersion.trimmed().isEmpty())
        CurrentVersion = QStringLiteral(SAYORA_VERSION);  // the running program's own
    setText(Label2, tr("Click\"Check\" button"));
    Command4->show();
    Command5->hide();
    setText(Label1, tr("Current version %1").arg(CurrentVersion));
    for (QLabel *hidden : {Label3, Label5, Label6, Label7, Label8})
        hidden->hide();
}

UpdateWindow::~UpdateWindow()
{
    // Drop the transfers first: their ends must not reach a half-gone window.
    delete Inet3;
    delete Inet4;
    QFile::remove(userFile(versionFileName));
}

void UpdateWindow::done(int result)
{
    Inet3->Cancel();
    if (Inet4->StillExecuting())
        m_installer.remove();  // a partial installer is of no use
    Inet4->Cancel();
    QFile::remove(userFile(versionFileName));
    QDialog::done(result);
}

void UpdateWindow::buildWidgets()
{
    Label1 = label(this, 2745, 120);
    Label2 = label(this, 2745, 360);
    Label5 = new QLabel(this);
    Label5->setGeometry(twips::rect(1320, 600, 3420, 180));
    fill(Label5, QColor(0, 255, 0));
    Label6 = label(this, 2745, 840);
    Label7 = label(this, 2745, 1080);
    Label3 = label(this, 2715, 1380);
    QPalette link = Label3->palette();
    link.setColor(QPalette::WindowText, Qt::blue);
    Label3->setPalette(link);
    Label3->setCursor(cursorFromFile(programFile(QStringLiteral("H_POINT.CUR"))));
    makeLabelLink(Label3, [this] { linkClick(); });
    Label40 = new QLabel(this);
    Label40->setGeometry(twips::rect(600, 1800, DownloadProgress::trackTwips, 45));
    fill(Label40, Qt::white);
    Label4 = new QLabel(this);
    Label4->setGeometry(twips::rect(600, 1800, 0, 45));
    fill(Label4, QColor(0, 128, 0));
    Label20 = new QLabel(this);
    Label20->setGeometry(twips::rect(2760, 1920, 735, 255));
    Label8 = new QLabel(tr("Sayora will be closed when update is running"), this);
    Label8->setGeometry(twips::rect(600, 2160, 4695, 255));
    Command4 = button(this, tr("&Check"), twips::rect(1200, 2640, 855, 375));
    Command5 = button(this, tr("&Update"), twips::rect(2520, 2640, 975, 375));
    Command8 = button(this, tr("&Return"), twips::rect(3840, 2640, 1095, 375));
}

QUrl UpdateWindow::serverUrl(const QString &path)
{
    QString base = qEnvironmentVariable("SAYORA_UPDATE_URL", QStringLiteral(SAYORA_UPDATE_BASE_URL));
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return QUrl(base + path);
}

QString UpdateWindow::makerAddress()
{
    return QStringLiteral(SAYORA_MAKER_URL);
}

void UpdateWindow::removeInstallerLeftover()
{
    InstallerFile::removeLeftover(userFolder(), installerFileName);
}

// ---- the check

void UpdateWindow::checkClick()
{
    // One check at a time; a click while one runs is the same request.
    const QUrl url = serverUrl(QStringLiteral("/sayora/nvexe.ini"));
    const QString refusal = InternetTransfer::urlRefusal(url);
    if (!refusal.isEmpty())
        return message(refusal);
    Inet3->OpenURL(url);
}

void UpdateWindow::versionFileArrived(bool ok, const QByteArray &body)
{
    if (!ok || body.isEmpty())
        return checkFailed();
    if (!AtomicFile::write(userFile(versionFileName), body))
        return checkFailed();
    const QByteArray written = readFile(userFile(versionFileName));
    NewVersion = firstLine(written);
    const std::optional<double> current = versionNumber(CurrentVersion);
    const std::optional<double> newest = versionNumber(NewVersion);
    if (!current || !newest)
        return checkFailed();

    if (*current < *newest) {
        // Kept with the offer it belongs to: a later check that fails
        // deletes the file but leaves this offer on screen.
        m_installerSha256 = installerChecksum(written);
        setText(Label5, tr("Found new version %1").arg(NewVersion));
        setText(Label6, tr("Click\"Update\" button or"));
        setText(Label7, tr("access the following URL to update this software"));
        setText(Label3, makerAddress());
        Label3->setAccessibleName(makerAddress());
        for (QWidget *shown : std::initializer_list<QWidget *>{Command5, Label5, Label3, Label6, Label7, Label8})
            shown->show();
    } else {
        Label5->show();
        setText(Label5, tr("No new version"));
    }
}

void UpdateWindow::checkFailed()
{
    QFile::remove(userFile(versionFileName));
    message(tr("Sorry, an error has occurred on the author's website, please try after a while"));
}

void UpdateWindow::showState(int state)
{
    const QString text = stateText(state);
    if (!text.isEmpty())
        setText(Label2, text);
}

// ---- the download

void UpdateWindow::updateClick()
{
    if (Inet4->StillExecuting())
        return;  // one download at a time
    const QUrl url = serverUrl(QStringLiteral("/sayora/sayoranet.ocx"));
    QString why = InternetTransfer::urlRefusal(url);
    if (!why.isEmpty())
        return message(why);
    // A new download starts from nothing, not from the last one's end.
    Label20->clear();
    setBarTwips(0);
    m_progress.reset();
    m_chunksEnded = false;
    if (!m_installer.create(userFolder(), installerFileName, &why))
        return message(why);
    if (!Inet4->Execute(url, QByteArrayLiteral("GET")))
        m_installer.remove();
}

void UpdateWindow::readChunks(bool bodyEnded)
{
    // While the body arrives only whole chunks are taken, so the chunks and
    // the progress they show are the same however the bytes came in.
    while (m_installer.isOpen() && !m_chunksEnded) {
        if (!bodyEnded && Inet4->bytesAvailable() < 1024)
            return;
        if (!takeChunk(Inet4->GetChunk(1024))) {
            Inet4->Cancel();
            return dropInstaller(tr("The installer could not be written: the disk may be full."));
        }
    }
}

bool UpdateWindow::takeChunk(const QByteArray &chunk)
{
    if (!m_progress) {
        m_progress.emplace(contentLength(Inet4->GetHeader(QByteArrayLiteral("Content-length"))));
        m_progress->firstChunk(chunk.size());
        showProgress(false);
    } else {
        m_progress->nextChunk(chunk.size());
        showProgress(true);
    }
    if (chunk.size() < 2)
        m_chunksEnded = true;
    return m_installer.append(chunk);
}

void UpdateWindow::showProgress(bool moveBar)
{
    const QString text = m_progress->percentText();
    if (Label20->text() != text)
        Label20->setText(text);
    if (moveBar)
        setBarTwips(m_progress->barTwips());
}

void UpdateWindow::downloadFailed()
{
    if (!m_installer.isOpen())
        return;
    // A download refused here (too large, an unsafe redirect) says why; one
    // the network broke off shows the state alone.
    if (Inet4->refused())
        return dropInstaller(tr("The installer was not downloaded. %1").arg(Inet4->errorString()));
    m_installer.remove();
}

void UpdateWindow::downloadCompleted()
{
    setText(Label2, stateText(InternetTransfer::icResponseCompleted));
    readChunks(true);
    if (!m_installer.isOpen())
        return;
    m_progress->finish();
    showProgress(false);
    // The version file's second line names the installer's SHA-256: an
    // executable fetched from the network is started only when it matches.
    if (m_installerSha256.isEmpty() || m_installer.sha256() != m_installerSha256)
        return dropInstaller(tr("The downloaded installer could not be verified, so it was not started. Please try again later."));
    QString why;
    if (!m_installer.start(&why)) {
        setText(Label2, tr("The installer could not be started"));
        return dropInstaller(tr("The downloaded installer could not be started: %1. It has been deleted.").arg(why));
    }
    m_installer.close();  // deleted at the next start of the program
    emit installerStarted();
}

void UpdateWindow::dropInstaller(const QString &why)
{
    m_installer.remove();
    message(why);
}

void UpdateWindow::setBarTwips(int width)
{
    Label4->resize(twips::toPixels(width), Label4->height());
}

// ---- link and messages

void UpdateWindow::linkClick()
{
    QDesktopServices::openUrl(QUrl(Label3->text()));
}

void UpdateWindow::message(const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, windowTitle(), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
