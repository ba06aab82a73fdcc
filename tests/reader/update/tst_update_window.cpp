// The update window against a real HTTP server on 127.0.0.1: the version
// check, the download with its progress, checksum and start of the
// installer, and the end of the program that follows.

#include "http_test_server.h"

#include "app/sayora_main.h"
#include "app/settings_record.h"
#include "net/internet_transfer.h"
#include "shell/program_folder.h"
#include "support/test_support.h"
#include "support/url_catcher.h"
#include "ui/image_button.h"
#include "ui/twips.h"
#include "update/update_window.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

using testsupport::named;

namespace {

const QString versionPath = QStringLiteral("/sayora/nvexe.ini");
const QString installerPath = QStringLiteral("/sayora/sayoranet.ocx");
const QString sorry = QStringLiteral("Sorry, an error has occurred on the author's website, please try after a while");

// An installer: a shell script that records it ran, padded with comment
// lines to the wanted size.
QByteArray installerScript(const QString &marker, qsizetype size)
{
    QByteArray script = "#!/bin/sh\necho ran > '" + marker.toUtf8() + "'\nexit 0\n";
    while (script.size() < size) {
        const qsizetype line = std::min<qsizetype>(1023, size - script.size() - 1);
        script += QByteArray(line, '#') + '\n';
    }
    return script.left(size);
}

QByteArray sha256Hex(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QMessageBox *messageOf(QWidget *window)
{
    return window->findChild<QMessageBox *>();
}

// Records the widths the progress fill takes, in pixels.
class WidthRecorder : public QObject
{
public:
    QList<int> widths;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            widths.append(static_cast<QWidget *>(watched)->width());
        return false;
    }
};

// The process's resident memory in bytes.
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

}  // namespace


class TestUpdateWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void check_data();
    void check();
    void silentServerTimesOutWhileWindowAnswers();
    void download_data();
    void download();
    void brokenDownloadLeavesNothing();
    void startedInstallerEndsProgramWithoutSaving();
    void endlessBodyIsRefusedWhileWindowAnswers();
    void announcedOversizeIsRefusedAtOnce();
    void progressMovesAsBytesArrive();
    void secondDownloadStartsFromNothing();
    void unsafeFolderIsRefused_data();
    void unsafeFolderIsRefused();
    void startsTheVerifiedFileEvenIfTheNameIsSwapped();
    void plainHttpOnlyForLoopback();
    void redirects_data();
    void redirects();
    void unstartableInstaller_data();
    void unstartableInstaller();
    void leftoverInstallerGoesAtNextStart();

private:
    std::unique_ptr<UpdateWindow> openWindow();
    std::unique_ptr<UpdateWindow> offer(const QByteArray &installer);
    void clickCheck(UpdateWindow *window, bool expectBody = true);

    HttpTestServer m_server;
    QTemporaryDir m_dir;
    UrlCatcher m_urls;
};

void TestUpdateWindow::init()
{
    qputenv("SAYORA_UPDATE_URL", m_server.baseUrl().toString().toUtf8());
    testsupport::writeFile(programFile(QStringLiteral("versionexe.ini")), "1.19\r\n");
    QFile::remove(userFile(QStringLiteral("tempsetup.exe")));
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_urls, "open");
    m_urls.urls.clear();
}

void TestUpdateWindow::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QLocale::setDefault(QLocale::c());
}

std::unique_ptr<UpdateWindow> TestUpdateWindow::openWindow()
{
    auto window = std::make_unique<UpdateWindow>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("the update window was not exposed");
    return window;
}

// A window that has found a new version whose installer has this checksum.
std::unique_ptr<UpdateWindow> TestUpdateWindow::offer(const QByteArray &installer)
{
    m_server.setAnswer(versionPath, {"9.9\r\n" + sha256Hex(installer) + "\r\n"});
    auto window = openWindow();
    clickCheck(window.get());
    if (!window->Command5->isVisible())
        qWarning("no new version was offered");
    return window;
}

void TestUpdateWindow::clickCheck(UpdateWindow *window, bool expectBody)
{
    QSignalSpy opened(window->Inet3, &InternetTransfer::urlOpened);
    QTest::mouseClick(window->Command4, Qt::LeftButton);
    QVERIFY(opened.wait(30000));
    QCOMPARE(opened.first().first().toBool(), expectBody);
}

void TestUpdateWindow::check_data()
{
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QByteArray>("served");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("result");  // the result label, or "" for the error message
    QTest::addColumn<QList<int>>("states");

    const QList<int> answered{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12};
    QTest::newRow("1.2 is newer than 1.19") << "1.19" << QByteArray("1.2\r\n") << 200 << "C" << "Found new version 1.2" << answered;
    QTest::newRow("equal: 1.10 is 1.1") << "1.1" << QByteArray("1.10\nignored line") << 200 << "C" << "No new version" << answered;
    QTest::newRow("older") << "1.19" << QByteArray("1.0") << 200 << "C" << "No new version" << answered;
    QTest::newRow("server's point under a decimal comma") << "1,19" << QByteArray("1.2\n") << 200 << "de_DE" << "Found new version 1.2" << answered;
    QTest::newRow("first line not a number") << "1.19" << QByteArray("version two\n1.3") << 200 << "C" << "" << answered;
    QTest::newRow("empty answer") << "1.19" << QByteArray() << 200 << "C" << "" << answered;
    QTest::newRow("error page") << "1.19" << QByteArray("<html>Not found</html>") << 404 << "C" << "" << answered;
    QTest::newRow("server down") << "1.19" << QByteArray() << 0 << "C" << "" << QList<int>{1, 2, 3, 11};
}

void TestUpdateWindow::check()
{
    QFETCH(QString, installed);
    QFETCH(QByteArray, served);
    QFETCH(int, status);
    QFETCH(QString, locale);
    QFETCH(QString, result);
    QFETCH(QList<int>, states);

    QLocale::setDefault(QLocale(locale));
    testsupport::writeFile(programFile(QStringLiteral("versionexe.ini")), installed.toUtf8() + "\r\n");
    const QString versionFile = userFile(QStringLiteral("newversion.ini"));
    testsupport::writeFile(versionFile, "left from an earlier run");
    HttpTestServer down;
    if (status == 0) {
        down.stop();
        qputenv("SAYORA_UPDATE_URL", down.baseUrl().toString().toUtf8());
    } else {
        m_server.setAnswer(versionPath, {served, status});
    }

    auto window = openWindow();
    QVERIFY2(!QFile::exists(versionFile), "opening deletes an old version file");
    QCOMPARE(window->Label1->text(), QStringLiteral("Current version ") + installed);
    QCOMPARE(window->Label2->text(), QStringLiteral("Click\"Check\" button"));
    QVERIFY(window->Command5->isHidden() && window->Label5->isHidden() && window->Label3->isHidden());

    QSignalSpy stateSpy(window->Inet3, &InternetTransfer::StateChanged);
    clickCheck(window.get(), status != 0);
    QList<int> seen;
    for (const QList<QVariant> &args : stateSpy)
        seen.append(args.first().toInt());
    QCOMPARE(seen, states);

    if (result.isEmpty()) {
        QMessageBox *box = messageOf(window.get());
        QVERIFY(box);
        QCOMPARE(box->text(), sorry);
        QCOMPARE(box->windowTitle(), QStringLiteral("Update Online----Sayora"));
        QVERIFY(!QFile::exists(versionFile));
        QVERIFY(window->Command5->isHidden());
        if (status == 0)
            QCOMPARE(window->Label2->text(), QStringLiteral("Unable to Connect to Server"));
        return;
    }
    QVERIFY(!messageOf(window.get()));
    QCOMPARE(window->Label2->text(), QStringLiteral("Request has been handled"));
    QVERIFY(window->Label5->isVisible());
    QCOMPARE(window->Label5->text(), result);
    QFile file(versionFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), served);
    const bool found = result.startsWith(QLatin1String("Found"));
    for (QWidget *w : std::initializer_list<QWidget *>{window->Command5, window->Label3, window->Label6, window->Label7, window->Label8})
        QCOMPARE(w->isVisible(), found);
    if (found) {
        QCOMPARE(window->Label6->text(), QStringLiteral("Click\"Update\" button or"));
        QCOMPARE(window->Label7->text(), QStringLiteral("access the following URL to update this software"));
        QCOMPARE(window->Label3->text(), UpdateWindow::makerAddress());
        QCOMPARE(window->Label3->cursor().shape(), Qt::BitmapCursor);  // the hand from H_POINT.CUR
        QTest::mouseClick(window->Label3, Qt::LeftButton);
        QCOMPARE(m_urls.urls, QList<QUrl>{QUrl(UpdateWindow::makerAddress())});
    }
}

void TestUpdateWindow::silentServerTimesOutWhileWindowAnswers()
{
    m_server.setAnswer(versionPath, {QByteArray(), 200, true, true});
    const int requestsBefore = m_server.requests(versionPath);
    auto window = openWindow();
    window->Inet3->setTimeout(std::chrono::milliseconds(1500));
    QSignalSpy stateSpy(window->Inet3, &InternetTransfer::StateChanged);
    QTest::mouseClick(window->Command4, Qt::LeftButton);
    // The click returns at once; the window goes on answering while the
    // server says nothing.
    QVERIFY(window->Inet3->StillExecuting());
    QTRY_COMPARE_WITH_TIMEOUT(window->Label2->text(), QStringLiteral("Requested Server"), 20000);
    QVERIFY(!messageOf(window.get()));
    QTest::mouseClick(window->Command4, Qt::LeftButton);  // a second click joins the running check
    QTRY_VERIFY_WITH_TIMEOUT(messageOf(window.get()), 30000);
    QCOMPARE(messageOf(window.get())->text(), sorry);
    QCOMPARE(window->Label2->text(), QStringLiteral("Unable to Connect to Server"));
    QCOMPARE(stateSpy.last().first().toInt(), 11);
    QCOMPARE(m_server.requests(versionPath), requestsBefore + 1);

    // Leaving while the server is silent drops the check.
    messageOf(window.get())->close();
    QTest::mouseClick(window->Command4, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(window->Label2->text(), QStringLiteral("Requested Server"), 20000);
    testsupport::writeFile(userFile(QStringLiteral("newversion.ini")), "1.0");
    QTest::mouseClick(window->Command8, Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QVERIFY(!window->Inet3->StillExecuting());
    QVERIFY2(!QFile::exists(userFile(QStringLiteral("newversion.ini"))), "closing deletes the version file");
}

void TestUpdateWindow::download_data()
{
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<bool>("contentLength");
    QTest::addColumn<QString>("checksum");  // "good", "wrong" or "none"
    QTest::addColumn<QList<int>>("barWidths");  // the fill's widths in pixels; empty: only the last is checked

    // 2048 bytes: 49%, then 99% with a 4950-twip bar, then 100% with 7450
    // twips, which the bar's 4995-twip track holds to.
    QTest::newRow("2048 bytes") << qsizetype(2048) << true << "good" << QList<int>{330, 333};
    // 1500 bytes: 67%, then 100% with 6750 and 10150 twips: the track's end.
    QTest::newRow("1500 bytes") << qsizetype(1500) << true << "good" << QList<int>{333};
    QTest::newRow("no Content-length") << qsizetype(5000) << false << "good" << QList<int>{};
    QTest::newRow("checksum mismatch") << qsizetype(2048) << true << "wrong" << QList<int>{330, 333};
    QTest::newRow("no checksum") << qsizetype(2048) << true << "none" << QList<int>{330, 333};
    QTest::newRow("30 MB") << qsizetype(30 * 1024 * 1024) << true << "good" << QList<int>{};
}

void TestUpdateWindow::download()
{
    QFETCH(qsizetype, size);
    QFETCH(bool, contentLength);
    QFETCH(QString, checksum);
    QFETCH(QList<int>, barWidths);

    const QString marker = m_dir.filePath(QStringLiteral("ran-%1").arg(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_')));
    const QByteArray installer = installerScript(marker, size);
    QByteArray versionFile = "9.9\r\n";
    if (checksum == QLatin1String("good"))
        versionFile += sha256Hex(installer) + "\r\n";
    else if (checksum == QLatin1String("wrong"))
        versionFile += sha256Hex("something else") + "\r\n";
    m_server.setAnswer(versionPath, {versionFile});
    m_server.setAnswer(installerPath, {installer, 200, contentLength});

    auto window = openWindow();
    clickCheck(window.get());
    QVERIFY(window->Command5->isVisible());
    WidthRecorder bar;
    window->Label4->installEventFilter(&bar);
    QSignalSpy stateSpy(window->Inet4, &InternetTransfer::StateChanged);
    QSignalSpy started(window.get(), &UpdateWindow::installerStarted);
    QTest::mouseClick(window->Command5, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window->Inet4->StillExecuting(), 60000);
    QCOMPARE(stateSpy.last().first().toInt(), 12);
    QCOMPARE(window->Label2->text(), QStringLiteral("Request has been handled"));
    QCOMPARE(window->Label20->text(), QStringLiteral("100%"));
    if (!barWidths.isEmpty())
        QCOMPARE(bar.widths, barWidths);
    else if (contentLength)
        QCOMPARE(bar.widths.last(), 333);
    else
        QVERIFY2(bar.widths.isEmpty(), "without a length the bar does not move");
    QVERIFY(window->Label4->width() <= window->Label40->width());

    const QString downloaded = userFile(QStringLiteral("tempsetup.exe"));
    if (checksum != QLatin1String("good")) {
        QCOMPARE(started.count(), 0);
        QVERIFY2(!QFile::exists(downloaded), "an unverified installer is deleted");
        QVERIFY(messageOf(window.get()));
        QVERIFY(messageOf(window.get())->text().contains(QLatin1String("could not be verified")));
        return;
    }
    QCOMPARE(started.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 20000);
    struct stat st {};
    QCOMPARE(lstat(QFile::encodeName(downloaded).constData(), &st), 0);
    QVERIFY2(S_ISREG(st.st_mode) && (st.st_mode & 07777) == 0700, "the installer is for the user alone");
    QFile file(downloaded);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.size(), size);
    QVERIFY(file.readAll() == installer);
}

void TestUpdateWindow::brokenDownloadLeavesNothing()
{
    const QByteArray installer = installerScript(m_dir.filePath(QStringLiteral("never-ran")), 8192);
    m_server.setAnswer(versionPath, {"9.9\n" + sha256Hex(installer) + "\n"});
    m_server.setAnswer(installerPath, {installer, 200, true, false, 3000});
    auto window = openWindow();
    clickCheck(window.get());
    QSignalSpy started(window.get(), &UpdateWindow::installerStarted);
    QTest::mouseClick(window->Command5, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window->Inet4->StillExecuting(), 60000);
    QCOMPARE(window->Label2->text(), QStringLiteral("Unable to Connect to Server"));
    QVERIFY(!QFile::exists(userFile(QStringLiteral("tempsetup.exe"))));
    QCOMPARE(started.count(), 0);
}

void TestUpdateWindow::startedInstallerEndsProgramWithoutSaving()
{
    const QString marker = m_dir.filePath(QStringLiteral("ran-from-main-window"));
    const QByteArray installer = installerScript(marker, 4096);
    m_server.setAnswer(versionPath, {"1.20\n" + sha256Hex(installer) + "\n"});
    m_server.setAnswer(installerPath, {installer});
    QFile::remove(SettingsRecord::defaultPath());

    SayoraMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QTest::mouseClick(named<ImageButton>(main, "Image1"), Qt::LeftButton);
    auto *window = main.findChild<UpdateWindow *>();
    QVERIFY(window);
    QVERIFY(window->isModal() && window->isVisible());
    clickCheck(window);
    QTest::mouseClick(window->Command5, Qt::LeftButton);
    // The program's own event loop, as main() runs it: it must end by itself.
    QTimer::singleShot(60000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(main.exitRequested());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 20000);
    QVERIFY2(main.isVisible(), "the window was not closed: no closing steps ran");
    QVERIFY2(!QFile::exists(SettingsRecord::defaultPath()), "no settings were written");
}

void TestUpdateWindow::endlessBodyIsRefusedWhileWindowAnswers()
{
    const QByteArray installer = installerScript(m_dir.filePath(QStringLiteral("never-endless")), 4096);
    auto window = offer(installer);
    m_server.setAnswer(installerPath, {QByteArray(), 200, false, false, -1, false, -1, QByteArray(), true});
    m_server.setAnswer(versionPath, {"1.0\r\n"});
    QSignalSpy started(window.get(), &UpdateWindow::installerStarted);
    const qint64 residentBefore = residentBytes();
    qint64 residentPeak = residentBefore;
    int ticks = 0;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, this, [&] {
        ++ticks;
        residentPeak = std::max(residentPeak, residentBytes());
    });
    sampler.start(50);
    QTest::mouseClick(window->Command5, Qt::LeftButton);

    // The window answers while the body pours in: a check runs to its end.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(userFile(QStringLiteral("tempsetup.exe"))).size() > 1024 * 1024, 30000);
    QSignalSpy opened(window->Inet3, &InternetTransfer::urlOpened);
    QTest::mouseClick(window->Command4, Qt::LeftButton);
    QVERIFY(opened.wait(30000));
    QVERIFY2(window->Inet4->StillExecuting(), "the check ran while the download did");
    QCOMPARE(window->Label5->text(), QStringLiteral("No new version"));

    QTRY_VERIFY_WITH_TIMEOUT(!window->Inet4->StillExecuting(), 300000);
    sampler.stop();
    QCOMPARE(window->Label2->text(), QStringLiteral("Unable to Connect to Server"));
    QVERIFY2(messageOf(window.get()), qPrintable(window->Inet4->errorString() + QString::number(window->Inet4->bytesAvailable()) + QLatin1Char(' ') + window->Label20->text()));
    QVERIFY2(messageOf(window.get())->text().contains(QLatin1String("256 MiB")), qPrintable(messageOf(window.get())->text()));
    QVERIFY2(!QFile::exists(userFile(QStringLiteral("tempsetup.exe"))), "the refused download is deleted");
    QCOMPARE(started.count(), 0);
    QVERIFY2(ticks >= 10, "the timer kept running");
#if !defined(__SANITIZE_ADDRESS__)
    // The sanitizer keeps freed memory in quarantine; elsewhere memory stays
    // flat, far below the 256 MiB that passed through.
    QVERIFY2(residentPeak - residentBefore < 64 * 1024 * 1024,
             qPrintable(QStringLiteral("grew by %1 MiB").arg((residentPeak - residentBefore) >> 20)));
#endif
}

void TestUpdateWindow::announcedOversizeIsRefusedAtOnce()
{
    const QByteArray installer = installerScript(m_dir.filePath(QStringLiteral("never-oversize")), 4096);
    auto window = offer(installer);
    window->Inet4->setTimeout(std::chrono::minutes(10));
    // The server announces one byte more than the limit, sends a little and waits.
    m_server.setAnswer(installerPath, {installer, 200, true, false, 100, true, installerLimit + 1});
    QTest::mouseClick(window->Command5, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window->Inet4->StillExecuting(), 20000);
    QCOMPARE(window->Label2->text(), QStringLiteral("Unable to Connect to Server"));
    QVERIFY(messageOf(window.get()));
    QVERIFY(messageOf(window.get())->text().contains(QLatin1String("256 MiB")));
    QVERIFY(!QFile::exists(userFile(QStringLiteral("tempsetup.exe"))));
    m_server.sendRest();
}

void TestUpdateWindow::progressMovesAsBytesArrive()
{
    const QByteArray installer = installerScript(m_dir.filePath(QStringLiteral("never-partial")), 8192);
    auto window = offer(installer);
    m_server.setAnswer(installerPath, {installer, 200, true, false, 4096, true});
    QTest::mouseClick(window->Command5, Qt::LeftButton);
    // Four chunks of 8192 bytes have arrived: counter 4072, 49.7%.
    QTRY_COMPARE_WITH_TIMEOUT(window->Label20->text(), QStringLiteral("50%"), 20000);
    QVERIFY(window->Inet4->StillExecuting());
    QCOMPARE(window->Label4->width(), twips::toPixels(50 * 50));
    QCOMPARE(QFileInfo(userFile(QStringLiteral("tempsetup.exe"))).size(), 4096);
    // Leaving mid-way deletes what was written.
    QTest::mouseClick(window->Command8, Qt::LeftButton);
    QVERIFY(!QFile::exists(userFile(QStringLiteral("tempsetup.exe"))));
    m_server.sendRest();
}

void TestUpdateWindow::secondDownloadStartsFromNothing()
{
    const QByteArray installer = installerScript(m_dir.filePath(QStringLiteral("never-second")), 2048);
    m_server.setAnswer(versionPath, {"9.9\r\n" + sha256Hex("another installer") + "\r\n"});
    auto window = openWindow();
    clickCheck(window.get());
    m_server.setAnswer(installerPath, {installer});
    QTest::mouseClick(window->Command5, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(messageOf(window.get()), 20000);  // not verified
    QCOMPARE(window->Label20->text(), QStringLiteral("100%"));
    QCOMPARE(window->Label4->width(), window->Label40->width());
    delete messageOf(window.get());

    m_server.setAnswer(installerPath, {installer, 200, true, false, 0, true});
    QTest::mouseClick(window->Command5, Qt::LeftButton);
    QCOMPARE(window->Label20->text(), QString());
    QCOMPARE(window->Label4->width(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(window->Label2->text(), QStringLiteral("Waiting Server's Replay"), 20000);
    QCOMPARE(window->Label20->text(), QString());
    QCOMPARE(window->Label4->width(), 0);
    QTest::mouseClick(window->Command8, Qt::LeftButton);
    m_server.sendRest();
}

void TestUpdateWindow::unsafeFolderIsRefused_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("otherOwner");
    QTest::newRow("writable by the group") << 0775 << false;
    QTest::newRow("writable by others") << 0757 << false;
    QTest::newRow("owned by another user") << 0700 << true;
}

void TestUpdateWindow::unsafeFolderIsRefused()
{
    QFETCH(int, mode);
    QFETCH(bool, otherOwner);
    if (otherOwner && geteuid() != 0)
        QSKIP("only root can give the folder to another user");
    const QString marker = m_dir.filePath(QStringLiteral("ran-unsafe"));
    const QByteArray installer = installerScript(marker, 2048);
    m_server.setAnswer(installerPath, {installer});
    auto window = offer(installer);
    const QByteArray folder = QFile::encodeName(userFolder());
    struct stat before {};
    QCOMPARE(stat(folder.constData(), &before), 0);
    auto restore = qScopeGuard([&] {
        QCOMPARE(chown(folder.constData(), before.st_uid, before.st_gid), 0);
        QCOMPARE(chmod(folder.constData(), before.st_mode & 07777), 0);
    });
    QCOMPARE(chmod(folder.constData(), mode_t(mode)), 0);
    if (otherOwner)
        QCOMPARE(chown(folder.constData(), 65534, 65534), 0);
    const int requestsBefore = m_server.requests(installerPath);
    QSignalSpy started(window.get(), &UpdateWindow::installerStarted);
    QTest::mouseClick(window->Command5, Qt::LeftButton);
    QVERIFY(messageOf(window.get()));
    QVERIFY2(messageOf(window.get())->text().contains(QLatin1String("belongs to another user or can be changed by other users")),
             qPrintable(messageOf(window.get())->text()));
    QVERIFY(!window->Inet4->StillExecuting());
    QCOMPARE(m_server.requests(installerPath), requestsBefore);
    QCOMPARE(started.count(), 0);
    QVERIFY(!QFile::exists(marker));
}

void TestUpdateWindow::startsTheVerifiedFileEvenIfTheNameIsSwapped()
{
    const QString marker = m_dir.filePath(QStringLiteral("ran-verified"));
    const QString swappedMarker = m_dir.filePath(QStringLiteral("ran-swapped"));
    const QByteArray installer = installerScript(marker, 8192);
    auto window = offer(installer);
    m_server.setAnswer(installerPath, {installer, 200, true, false, 4096, true});
    QSignalSpy started(window.get(), &UpdateWindow::installerStarted);
    QTest::mouseClick(window->Command5, Qt::LeftButton);
    const QString downloaded = userFile(QStringLiteral("tempsetup.exe"));
    QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(downloaded).size(), 4096, 20000);
    // Another script put in its place under the same name.
    const QString other = userFile(QStringLiteral("other"));
    testsupport::writeFile(other, installerScript(swappedMarker, 100));
    QVERIFY(QFile::setPermissions(other, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(rename(QFile::encodeName(other).constData(), QFile::encodeName(downloaded).constData()), 0);
    m_server.sendRest();
    QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 20000);
    QVERIFY2(!QFile::exists(swappedMarker), "the file started is the one verified");
}

void TestUpdateWindow::plainHttpOnlyForLoopback()
{
    const QByteArray installer = installerScript(m_dir.filePath(QStringLiteral("never-plain")), 2048);
    m_server.setAnswer(installerPath, {installer});
    auto window = offer(installer);  // plain http to 127.0.0.1 is accepted
    const int requestsBefore = m_server.requests(installerPath);

    // The test server's port behind a name that is not this computer's own.
    qputenv("SAYORA_UPDATE_URL", QByteArray("http://sayora.example:%1").replace("%1", QByteArray::number(m_server.baseUrl().port())));
    QTest::mouseClick(window->Command5, Qt::LeftButton);
    QVERIFY(messageOf(window.get()));
    QVERIFY2(messageOf(window.get())->text().contains(QLatin1String("plain http")), qPrintable(messageOf(window.get())->text()));
    QVERIFY(!window->Inet4->StillExecuting());
    QVERIFY(!QFile::exists(userFile(QStringLiteral("tempsetup.exe"))));
    delete messageOf(window.get());

    QTest::mouseClick(window->Command4, Qt::LeftButton);
    QVERIFY(messageOf(window.get()));
    QVERIFY(messageOf(window.get())->text().contains(QLatin1String("plain http")));
    QVERIFY(!window->Inet3->StillExecuting());
    QCOMPARE(m_server.requests(installerPath), requestsBefore);
}

void TestUpdateWindow::redirects_data()
{
    QTest::addColumn<QString>("host");  // where the redirect points
    QTest::addColumn<bool>("followed");
    QTest::newRow("same host over http") << "127.0.0.1" << true;
    QTest::newRow("another host over http") << "localhost" << false;
}

void TestUpdateWindow::redirects()
{
    QFETCH(QString, host);
    QFETCH(bool, followed);
    const QString marker = m_dir.filePath(QStringLiteral("ran-redirect-%1").arg(host));
    const QByteArray installer = installerScript(marker, 2048);
    const QString target = QStringLiteral("/elsewhere/%1").arg(host);
    m_server.setAnswer(target, {installer});
    QByteArray location = QStringLiteral("http://%1:%2%3").arg(host).arg(m_server.baseUrl().port()).arg(target).toUtf8();
    m_server.setAnswer(installerPath, {"moved", 302, true, false, -1, false, -1, location});
    auto window = offer(installer);
    QSignalSpy started(window.get(), &UpdateWindow::installerStarted);
    QTest::mouseClick(window->Command5, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window->Inet4->StillExecuting(), 30000);
    if (followed) {
        QCOMPARE(started.count(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 20000);
        return;
    }
    QCOMPARE(started.count(), 0);
    QCOMPARE(m_server.requests(target), 0);
    QVERIFY(messageOf(window.get()));
    QVERIFY2(messageOf(window.get())->text().contains(QLatin1String("another host")), qPrintable(messageOf(window.get())->text()));
    QVERIFY(!QFile::exists(userFile(QStringLiteral("tempsetup.exe"))));
}

void TestUpdateWindow::unstartableInstaller_data()
{
    QTest::addColumn<QByteArray>("installer");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no interpreter line") << QByteArray("echo this is no program\n") << "interpreter line";
    QTest::newRow("interpreter missing") << QByteArray("#!/nonexistent/sh\nexit 0\n") << "interpreter";
}

void TestUpdateWindow::unstartableInstaller()
{
    QFETCH(QByteArray, installer);
    QFETCH(QString, reason);
    m_server.setAnswer(installerPath, {installer});
    auto window = offer(installer);
    QSignalSpy started(window.get(), &UpdateWindow::installerStarted);
    QTest::mouseClick(window->Command5, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window->Inet4->StillExecuting(), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(messageOf(window.get()), 20000);
    const QString text = messageOf(window.get())->text();
    QVERIFY2(text.contains(QLatin1String("could not be started")) && text.contains(reason), qPrintable(text));
    QCOMPARE(window->Label2->text(), QStringLiteral("The installer could not be started"));
    QCOMPARE(started.count(), 0);
    QVERIFY2(!QFile::exists(userFile(QStringLiteral("tempsetup.exe"))), "the installer that did not start is deleted");
}

void TestUpdateWindow::leftoverInstallerGoesAtNextStart()
{
    const QString leftover = userFile(QStringLiteral("tempsetup.exe"));
    testsupport::writeFile(leftover, installerScript(m_dir.filePath(QStringLiteral("never-leftover")), 100));
    QVERIFY(QFile::exists(leftover));
    SayoraMain main;
    QVERIFY2(!QFile::exists(leftover), "the start of the program deletes the last run's installer");
}

int main(int argc, char *argv[])
{
    testsupport::isolateUserFolders();
    qputenv("SAYORA_AUDIO", "null");
    testsupport::useOwnProgramFolder();  // the tests change the installed version
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sayora"));
    TestUpdateWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_update_window.moc"
