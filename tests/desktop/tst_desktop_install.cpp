// Sayora as the desktop finds it after `cmake --install`: the menu entry and
// the AppStream file validate, everything lands where the desktop looks for
// it, and the installed copy runs on its own (its data, its private
// libraries, the control), reads a command-line text to the end and
// converts one to a sound file.

#include "support/test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString appId = QStringLiteral("org.sayora.Sayora");

struct Run
{
    bool finished = false;
    int exitCode = -1;
    QString output;
};

Run run(const QString &program, const QStringList &arguments, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
        int timeoutMs = 120000)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    result.finished = process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.output = QString::fromUtf8(process.readAll());
    return result;
}

QString tool(const char *name, const char *package)
{
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (path.isEmpty())
        qWarning("%s is missing: install the Debian package %s (scripts/setup.sh does)", name, package);
    return path;
}

}  // namespace

class TestDesktopInstall : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void desktopFilesValidate_data();
    void desktopFilesValidate();
    void installPutsEverythingWhereTheDesktopLooks_data();
    void installPutsEverythingWhereTheDesktopLooks();
    void installedCopyFindsItsPartsAndReadsAText();

private:
    QTemporaryDir m_prefix;
};

void TestDesktopInstall::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    // Every file of ours is in the default component. Naming it keeps the
    // build's install_manifest.txt (the user's record of a real install,
    // which uninstalling reads) from being overwritten by this test.
    const Run install = run(QStringLiteral(CMAKE_COMMAND),
                            {QStringLiteral("--install"), QStringLiteral(SAYORA_BUILD_DIR), QStringLiteral("--component"),
                             QStringLiteral("Unspecified"), QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY2(install.finished && install.exitCode == 0, qPrintable(install.output));
}

void TestDesktopInstall::desktopFilesValidate_data()
{
    QTest::addColumn<QString>("file");
    const QString source = QStringLiteral(SAYORA_DESKTOP_DIR "/");
    QTest::newRow("menu entry") << source + appId + QStringLiteral(".desktop");
    QTest::newRow("AppStream metainfo") << source + appId + QStringLiteral(".metainfo.xml");
    QTest::newRow("installed menu entry") << m_prefix.filePath(QStringLiteral("share/applications/") + appId + QStringLiteral(".desktop"));
    QTest::newRow("installed metainfo") << m_prefix.filePath(QStringLiteral("share/metainfo/") + appId + QStringLiteral(".metainfo.xml"));
}

void TestDesktopInstall::desktopFilesValidate()
{
    QFETCH(QString, file);
    QVERIFY2(QFile::exists(file), qPrintable(file));
    const bool desktop = file.endsWith(QLatin1String(".desktop"));
    const QString validator = desktop ? tool("desktop-file-validate", "desktop-file-utils") : tool("appstreamcli", "appstream");
    QVERIFY(!validator.isEmpty());
    const QStringList arguments = desktop ? QStringList{file} : QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"), file};
    const Run result = run(validator, arguments);
    QVERIFY(result.finished);
    QVERIFY2(result.exitCode == 0, qPrintable(result.output));
    // desktop-file-validate also passes files with warnings: none wanted.
    QVERIFY2(!result.output.contains(QLatin1String("warning"), Qt::CaseInsensitive)
                 && !result.output.contains(QLatin1String("error"), Qt::CaseInsensitive),
             qPrintable(result.output));
}

void TestDesktopInstall::installPutsEverythingWhereTheDesktopLooks_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("program") << "bin/sayora";
    QTest::newRow("selection command") << "bin/sayora-selection";
    QTest::newRow("converter") << "bin/sayora-convert";
    QTest::newRow("control") << "lib/sayora/tavo.so";
    QTest::newRow("PDF reading") << "lib/sayora/libsayora_pdf.so";
    QTest::newRow("M4B writing") << "lib/sayora/libsayora_m4b.so";
    QTest::newRow("button picture") << "share/sayora/play2.bmp";
    QTest::newRow("window icon") << "share/sayora/sayora.png";
    QTest::newRow("menu entry") << "share/applications/" + appId + ".desktop";
    QTest::newRow("metainfo") << "share/metainfo/" + appId + ".metainfo.xml";
    QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/" + appId + ".svg";
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("icon %d", size) << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId);
    QTest::newRow("manual page") << "share/man/man1/sayora.1";
    QTest::newRow("selection manual page") << "share/man/man1/sayora-selection.1";
    QTest::newRow("converter manual page") << "share/man/man1/sayora-convert.1";
}

void TestDesktopInstall::installPutsEverythingWhereTheDesktopLooks()
{
    QFETCH(QString, path);
    const QFileInfo file(m_prefix.filePath(path));
    QVERIFY2(file.isFile() && file.size() > 0, qPrintable(file.filePath()));
    if (path.contains(QLatin1String("/icons/")) && path.endsWith(QLatin1String(".png"))) {
        // The PNG in a size folder must be that size.
        const QString size = path.section(QLatin1Char('/'), 3, 3).section(QLatin1Char('x'), 0, 0);
        QFile png(file.filePath());
        QVERIFY(png.open(QIODevice::ReadOnly));
        const QByteArray header = png.read(24);
        QVERIFY(header.startsWith("\x89PNG"));
        const auto be32 = [&](int at) {
            return (quint32(quint8(header[at])) << 24) | (quint32(quint8(header[at + 1])) << 16)
                   | (quint32(quint8(header[at + 2])) << 8) | quint32(quint8(header[at + 3]));
        };
        QCOMPARE(be32(16), size.toUInt());
        QCOMPARE(be32(20), size.toUInt());
    }
    if (path.startsWith(QLatin1String("bin/")))
        QVERIFY(file.isExecutable());
}

void TestDesktopInstall::installedCopyFindsItsPartsAndReadsAText()
{
    const QString sayora = m_prefix.filePath(QStringLiteral("bin/sayora"));
    // Its private libraries come from the prefix, not from the build tree.
    const Run ldd = run(QStringLiteral("ldd"), {sayora});
    QVERIFY2(ldd.finished && ldd.exitCode == 0, qPrintable(ldd.output));
    const QStringList own = ldd.output.split(QLatin1Char('\n')).filter(QStringLiteral("libsayora_"));
    QVERIFY(!own.isEmpty());
    for (const QString &line : own)
        QVERIFY2(line.contains(m_prefix.path()) && !line.contains(QLatin1String(SAYORA_BUILD_DIR)), qPrintable(line));

    QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // As a user starts it: no pointer to the build tree's data.
    env.remove(QStringLiteral("SAYORA_PROGRAM_DIR"));
    env.remove(QStringLiteral("LD_LIBRARY_PATH"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("SAYORA_AUDIO"), QStringLiteral("null"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("SAYORA_FLITE_VOICES"), QStringLiteral("kal"));
    const Run reading = run(sayora, {QStringLiteral("Good"), QStringLiteral("morning.")}, env);
    QVERIFY2(reading.finished, "the installed program ends itself after reading");
    QCOMPARE(reading.exitCode, 0);
    QVERIFY2(!reading.output.contains(QLatin1String("not created")) && !reading.output.contains(QLatin1String("could not be registered")),
             qPrintable(reading.output));
    // Ended by the end of its reading, not closed: no settings written.
    QVERIFY(!QFile::exists(config.filePath(QStringLiteral("sayora/dovexensf.ini"))));

    // The installed converter finds the same parts.
    const QString text = testsupport::writeFile(config.filePath(QStringLiteral("text.txt")), "Good evening.");
    const Run converting = run(m_prefix.filePath(QStringLiteral("bin/sayora-convert")),
                               {text, config.filePath(QStringLiteral("text.wav"))}, env);
    QVERIFY2(converting.finished && converting.exitCode == 0, qPrintable(converting.output));
    QVERIFY(QFileInfo(config.filePath(QStringLiteral("text.wav"))).size() > 1000);
    // PDF reading, loaded on demand, comes from the prefix too.
    const Run pdf = run(m_prefix.filePath(QStringLiteral("bin/sayora-convert")),
                        {QStringLiteral(SAYORA_BOOKS_DIR "/latex_book.pdf"), config.filePath(QStringLiteral("book.txt"))}, env);
    QVERIFY2(pdf.finished && pdf.exitCode == 0, qPrintable(pdf.output));
    QVERIFY(QFileInfo(config.filePath(QStringLiteral("book.txt"))).size() > 1000);

    // It registered the control it was installed with and found its data.
    QFile registry(config.filePath(QStringLiteral("sayora/registry.reg")));
    QVERIFY(registry.open(QIODevice::ReadOnly));
    const QString store = QString::fromUtf8(registry.readAll());
    const QString prefix = QDir(m_prefix.path()).canonicalPath();
    QVERIFY2(store.contains(QStringLiteral("@=\"%1/lib/sayora/tavo.so\"").arg(prefix))
                 || store.contains(QStringLiteral("@=\"%1/lib/sayora/tavo.so\"").arg(m_prefix.path())),
             qPrintable(store));
    QVERIFY2(store.contains(QStringLiteral("\"Path\"=\"%1/share/sayora\"").arg(m_prefix.path()))
                 || store.contains(QStringLiteral("\"Path\"=\"%1/share/sayora\"").arg(prefix)),
             qPrintable(store));
}

QTEST_GUILESS_MAIN(TestDesktopInstall)
#include "tst_desktop_install.moc"
