#pragma once

#include "update/installer_file.h"
#include "update/update_rules.h"

#include <QDialog>
#include <QUrl>
#include <optional>

class InternetTransfer;
class QLabel;
class QPushButton;

// The update window `update`: checks the update server for a newer version
// and downloads, verifies and starts its installer.
//
// Nothing waits: the check and the download run in the background and the
// window answers the user meanwhile; a server that stays silent for the
// transfer's time-out ends the transfer as an error. Closing the window
// drops a running transfer and deletes "newversion.ini".
//
// The installer is written to "tempsetup.exe" as it arrives, in 1024-byte
// chunks that move the percentage and the bar, up to installerLimit bytes.
// It is started only when its SHA-256 matches the version file's, and then
// by descriptor (see InstallerFile). One that is refused, broken off or
// cannot be started is deleted; a started one is deleted at the next start.
class UpdateWindow : public QDialog
{
    Q_OBJECT
public:
    explicit UpdateWindow(QWidget *parent = nullptr);
    ~UpdateWindow() override;

    // A resource of the update server: SAYORA_UPDATE_URL, else the base URL
    // the program was built with, followed by path.
    static QUrl serverUrl(const QString &path);
    // The maker's web site shown by the link.
    static QString makerAddress();
    // Deletes the installer a previous run started and left behind.
    static void removeInstallerLeftover();

    void checkClick();   // "&Check"
    void updateClick();  // "&Update"
    void linkClick();    // the maker's web address

    QLabel *Label1 = nullptr;   // current version
    QLabel *Label2 = nullptr;   // instruction, then the transfer status
    QLabel *Label3 = nullptr;   // link to the maker's web site
    QLabel *Label4 = nullptr;   // progress bar fill
    QLabel *Label5 = nullptr;   // result of the check
    QLabel *Label6 = nullptr;   // update instruction
    QLabel *Label7 = nullptr;   // link instruction
    QLabel *Label8 = nullptr;   // closing notice
    QLabel *Label20 = nullptr;  // percentage
    QLabel *Label40 = nullptr;  // progress bar track
    QPushButton *Command4 = nullptr;  // "&Check"
    QPushButton *Command5 = nullptr;  // "&Update"
    QPushButton *Command8 = nullptr;  // "&Return"
    InternetTransfer *Inet3 = nullptr;  // the version check
    InternetTransfer *Inet4 = nullptr;  // the download

    QString CurrentVersion;
    QString NewVersion;

signals:
    // The installer runs; the program is to end at once, without its
    // closing steps.
    void installerStarted();

protected:
    // Unloading: "&Return" or closing the window.
    void done(int result) override;

private:
    void buildWidgets();
    void versionFileArrived(bool ok, const QByteArray &body);
    void checkFailed();
    void showState(int state);
    void downloadFailed();
    void downloadCompleted();
    void readChunks(bool bodyEnded);
    bool takeChunk(const QByteArray &chunk);
    void showProgress(bool moveBar);
    void dropInstaller(const QString &why);
    void setBarTwips(int width);
    void message(const QString &text);

    QByteArray m_installerSha256;  // from the version file of the offer shown
    InstallerFile m_installer;     // the download being written
    std::optional<DownloadProgress> m_progress;  // set by the first chunk
    bool m_chunksEnded = false;    // a chunk of fewer than 2 bytes was read
};
