// The help window: closing, the help page link, and the Word speaker
// installer with every message it can give, over the registry store.

#include "app/sayora_main.h"
#include "help/help_window.h"
#include "registry/registry_key.h"
#include "shell/program_folder.h"
#include "support/test_support.h"
#include "support/url_catcher.h"
#include "ui/image_button.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

using testsupport::named;

namespace {

const QString wordKey = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Winword.exe");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace


class TestHelpWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void closing_data();
    void closing();
    void helpLinkOpensPageAndCloses_data();
    void helpLinkOpensPageAndCloses();
    void installer_data();
    void installer();
    void mainWindowShowsHelpWithoutWaiting();
    void helpPageNamesEveryKey();

private:
    UrlCatcher m_urls;
    QByteArray m_template;
};

void TestHelpWindow::initTestCase()
{
    m_template = readAll(programFile(QStringLiteral("Speak.dot")));
    QVERIFY(!m_template.isEmpty());
}

void TestHelpWindow::init()
{
    for (const char *scheme : {"file", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_urls, "open");
    m_urls.urls.clear();
}

void TestHelpWindow::cleanup()
{
    for (const char *scheme : {"file", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void TestHelpWindow::closing_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Close button") << "button" << true;
    QTest::newRow("double click on the background") << "background" << true;
    QTest::newRow("double click on a line") << "line" << false;
}

void TestHelpWindow::closing()
{
    QFETCH(QString, action);
    QFETCH(bool, closes);
    HelpWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("How does it work? "));
    QCOMPARE(window.Command1->text(), QStringLiteral("&Close"));
    if (action == QLatin1String("button")) {
        QTest::mouseClick(window.Command1, Qt::LeftButton);
    } else if (action == QLatin1String("background")) {
        const QPoint empty(window.width() - 5, 5);
        QVERIFY(!window.childAt(empty));
        QTest::mouseDClick(&window, Qt::LeftButton, Qt::NoModifier, empty);
    } else {
        QLabel *line = window.findChildren<QLabel *>().first();
        QTest::mouseDClick(line, Qt::LeftButton);
    }
    QCOMPARE(window.isVisible(), !closes);
}

void TestHelpWindow::helpLinkOpensPageAndCloses_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::newRow("click") << false;
    QTest::newRow("Enter on the focused link") << true;
}

void TestHelpWindow::helpLinkOpensPageAndCloses()
{
    QFETCH(bool, keyboard);
    HelpWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.Label2->cursor().shape(), Qt::BitmapCursor);  // the hand from H_POINT.CUR
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    if (keyboard) {
        window.Label2->setFocus();
        QTest::keyClick(window.Label2, Qt::Key_Return);
    } else {
        QTest::mouseClick(window.Label2, Qt::LeftButton);
    }
    QCOMPARE(m_urls.urls, QList<QUrl>{QUrl::fromLocalFile(programFile(QStringLiteral("help.htm")))});
    QVERIFY(!window.isVisible());
    QVERIFY2(readAll(programFile(QStringLiteral("help.htm"))).contains("Where files live"), "the page is shipped");
}

void TestHelpWindow::installer_data()
{
    // In "path", %W stands for Word's folder. In "text", %W for Word's
    // folder and %P for the program folder.
    QTest::addColumn<QString>("path");      // "Path" value; "-" no value; "no key" no key
    QTest::addColumn<QString>("setup");     // "", "no Startup", "no template", "read-only", "old template", "relative"
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("copied");
    QTest::addColumn<int>("answer");        // for the error report: Yes or No; 0 none

    const QString copied = QStringLiteral("Copy %P/Speak.dot TO %W/Startup/Speak.dot Successfully . The speaker has been added to your MS WORD tool bar!");
    const QString report = QStringLiteral("76  Path not found (Whould you like E-Mail this error message to me ? My email is %1)").arg(HelpWindow::supportAddress());
    QTest::newRow("no key") << "no key" << "" << "Can not find MS WORD" << false << 0;
    QTest::newRow("no Path value") << "-" << "" << "Retrieve Microsoft Office path fail" << false << 0;
    // No usable folder: the top of the file system, or one relative to
    // wherever the program runs.
    QTest::newRow("empty Path") << "" << "" << "Retrieve Microsoft Office path fail" << false << 0;
    QTest::newRow("Path /") << "/" << "" << "Retrieve Microsoft Office path fail" << false << 0;
    QTest::newRow("Path backslash") << "\\" << "" << "Retrieve Microsoft Office path fail" << false << 0;
    QTest::newRow("Path quoted /") << "\"/\"" << "" << "Retrieve Microsoft Office path fail" << false << 0;
    QTest::newRow("relative Path") << "Office" << "relative" << "Retrieve Microsoft Office path fail" << false << 0;
    QTest::newRow("quoted with trailing backslash") << "\"%W\\\"" << "" << copied << true << 0;
    QTest::newRow("plain without separator") << "%W" << "" << copied << true << 0;
    QTest::newRow("replaces an old template") << "%W/" << "old template" << copied << true << 0;
    QTest::newRow("missing Speak.dot") << "%W" << "no template" << "Can not find %P/Speak.dot file" << false << 0;
    QTest::newRow("read-only destination") << "%W" << "read-only" << "The file %P/Speak.dot is opening , please close your MS WORD" << false << 0;
    QTest::newRow("no Startup folder, Yes mails the report") << "%W" << "no Startup" << report << false << int(QMessageBox::Yes);
    QTest::newRow("no Startup folder, No") << "%W" << "no Startup" << report << false << int(QMessageBox::No);
}

void TestHelpWindow::installer()
{
    QFETCH(QString, path);
    QFETCH(QString, setup);
    QFETCH(QString, text);
    QFETCH(bool, copied);
    QFETCH(int, answer);

    QTemporaryDir word;
    const QString wordFolder = word.filePath(QStringLiteral("Office"));
    const QString startup = wordFolder + QStringLiteral("/Startup");
    const QString destination = startup + QStringLiteral("/Speak.dot");
    if (setup != QLatin1String("no Startup"))
        QVERIFY(QDir().mkpath(startup));
    if (setup == QLatin1String("old template") || setup == QLatin1String("read-only"))
        testsupport::writeFile(destination, "old template");
    if (setup == QLatin1String("read-only"))
        QVERIFY(QFile::setPermissions(destination, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    // A relative "Path" that does lead to a Startup folder from the working
    // folder is refused all the same.
    const QString workingFolder = QDir::currentPath();
    auto restoreWorkingFolder = qScopeGuard([&workingFolder] { QDir::setCurrent(workingFolder); });
    if (setup == QLatin1String("relative")) {
        QVERIFY(QDir::setCurrent(word.path()));
        QVERIFY(QDir(path).exists(QStringLiteral("Startup")));
    }
    const QString source = programFile(QStringLiteral("Speak.dot"));
    const QByteArray &shipped = m_template;
    if (setup == QLatin1String("no template"))
        QFile::remove(source);
    else
        testsupport::writeFile(source, shipped);

    RegistryKey::deleteTree(wordKey);
    if (path != QLatin1String("no key")) {
        RegistryKey key;
        QCOMPARE(key.create(wordKey), RegistryKey::Success);
        if (path != QLatin1String("-"))
            QCOMPARE(key.setString(QStringLiteral("Path"), QString(path).replace(QStringLiteral("%W"), wordFolder)), RegistryKey::Success);
    }

    HelpWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.Label3, Qt::LeftButton);
    auto *box = window.findChild<QMessageBox *>();
    QVERIFY(box);
    QCOMPARE(box->text(), QString(text).replace(QStringLiteral("%W"), wordFolder).replace(QStringLiteral("%P"), programFolder()));
    QCOMPARE(readAll(destination) == shipped, copied);
    if (setup == QLatin1String("read-only"))
        QCOMPARE(readAll(destination), QByteArray("old template"));

    if (answer == 0) {
        QCOMPARE(box->windowTitle(), QStringLiteral("Sayora"));
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        QVERIFY(m_urls.urls.isEmpty());
        return;
    }
    QCOMPARE(box->windowTitle(), QStringLiteral("Add Speaker to MS WORD Error"));
    QCOMPARE(box->icon(), QMessageBox::Critical);
    QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    QTest::mouseClick(box->button(QMessageBox::StandardButton(answer)), Qt::LeftButton);
    QVERIFY(window.isVisible());
    if (answer == QMessageBox::No) {
        QVERIFY(m_urls.urls.isEmpty());
        return;
    }
    QCOMPARE(m_urls.urls.size(), 1);
    const QUrl mail = m_urls.urls.first();
    QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
    QCOMPARE(mail.path(), HelpWindow::supportAddress());
    QVERIFY2(!mail.toEncoded().contains(' '), "the subject is percent-encoded");
    QCOMPARE(QUrlQuery(mail).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
             QStringLiteral("Add Speaker to MS WORD Error Code:76 Text:Path not found"));
}

void TestHelpWindow::mainWindowShowsHelpWithoutWaiting()
{
    SayoraMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QTest::mouseClick(named<ImageButton>(main, "Image19"), Qt::LeftButton);
    QList<HelpWindow *> windows = main.findChildren<HelpWindow *>();
    QCOMPARE(windows.size(), 1);
    QVERIFY(windows.first()->isVisible());
    QVERIFY2(!QApplication::activeModalWidget(), "the main window keeps working");
    QTest::mouseClick(named<ImageButton>(main, "Image19"), Qt::LeftButton);
    QCOMPARE(main.findChildren<HelpWindow *>().size(), 1);
}

// The page shipped as help must name every key the window answers, and the
// ways of reading a selection that ship with the program.
void TestHelpWindow::helpPageNamesEveryKey()
{
    const QString page = QString::fromUtf8(readAll(programFile(QStringLiteral("help.htm"))));
    QVERIFY(!page.isEmpty());
    SayoraMain main;
    const QList<QShortcut *> shortcuts = main.findChildren<QShortcut *>();
    QVERIFY(shortcuts.size() >= 12);
    for (const QShortcut *shortcut : shortcuts) {
        const QString key = shortcut->key().toString(QKeySequence::PortableText);
        QVERIFY2(page.contains(QStringLiteral("<kbd>%1</kbd>").arg(key)), qPrintable(key));
    }
    QVERIFY(page.contains(QLatin1String("<code>sayora-selection</code>")));
    QVERIFY(page.contains(QLatin1String("&ldquo;Read the Selected Text&rdquo;")));
    QVERIFY2(!page.contains(QLatin1String("xsel")), "sayora-selection reads the selection, not a shell one-liner");
}

int main(int argc, char *argv[])
{
    testsupport::isolateUserFolders();
    qputenv("SAYORA_AUDIO", "null");
    testsupport::useOwnProgramFolder();  // the tests remove the template
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sayora"));
    TestHelpWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_help_window.moc"
