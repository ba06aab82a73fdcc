// The real program on an X server with a real window manager (openbox),
// which frames the window after it shows: the window must reopen where and
// as large as it was closed, start after start.

#include "app/settings_record.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// An X server of its own with openbox managing it.
class Desktop
{
public:
    ~Desktop()
    {
        for (QProcess *process : {&m_manager, &m_server}) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished();
        }
    }

    // Empty when the desktop runs; otherwise why not.
    QString start(const QString &folder)
    {
        m_server.start(QStandardPaths::findExecutable(QStringLiteral("Xvfb")),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QByteArray number;
        while (!number.contains('\n') && m_server.waitForReadyRead(20000))
            number += m_server.readAllStandardOutput();
        if (!number.contains('\n'))
            return QStringLiteral("Xvfb did not start: %1").arg(QString::fromLocal8Bit(m_server.readAllStandardError()));
        m_display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());

        // Openbox's own defaults, whatever the user has configured; it says
        // when it is ready by touching a file.
        const QString ready = QDir(folder).filePath(QStringLiteral("openbox-ready"));
        QProcessEnvironment env = environment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), QDir(folder).filePath(QStringLiteral("openbox-config")));
        m_manager.setProcessEnvironment(env);
        m_manager.start(QStandardPaths::findExecutable(QStringLiteral("openbox")),
                        {QStringLiteral("--sm-disable"), QStringLiteral("--startup"),
                         QStringLiteral("touch ") + ready});
        for (int i = 0; i < 400 && !QFile::exists(ready); ++i) {
            if (m_manager.waitForFinished(50))
                return QStringLiteral("openbox ended: %1").arg(QString::fromLocal8Bit(m_manager.readAllStandardError()));
        }
        return QFile::exists(ready) ? QString() : QStringLiteral("openbox did not get ready");
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        return env;
    }

    // xdotool's output, or nothing when it failed.
    QString xdotool(const QStringList &arguments) const
    {
        QProcess tool;
        tool.setProcessEnvironment(environment());
        tool.start(QStandardPaths::findExecutable(QStringLiteral("xdotool")), arguments);
        if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
            return {};
        return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
    }

private:
    QProcess m_server;
    QProcess m_manager;
    QString m_display;
};

// The window's place and inner size as the X server has them.
QRect windowGeometry(const Desktop &desktop, const QString &window)
{
    static const QRegularExpression pattern(QStringLiteral("Position: (-?\\d+),(-?\\d+).*Geometry: (\\d+)x(\\d+)"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = pattern.match(desktop.xdotool({QStringLiteral("getwindowgeometry"), window}));
    if (!match.hasMatch())
        return {};
    return QRect(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(),
                 match.captured(4).toInt());
}

}  // namespace

class TestWindowManager : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void reopensAsItWasClosed();

private:
    // Starts the program and finds its main window; empty on failure.
    QString open();
    // Closes the window as a user does (Alt+F4 to the window manager) and
    // waits for the program to end.
    bool close(const QString &window);

    QTemporaryDir m_dir;
    std::unique_ptr<Desktop> m_desktop;
    QProcess m_sayora;
};

void TestWindowManager::initTestCase()
{
    for (const char *tool : {"Xvfb", "openbox", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QString::fromLatin1(tool))));
    }
    QVERIFY(m_dir.isValid());
    m_desktop = std::make_unique<Desktop>();
    const QString why = m_desktop->start(m_dir.path());
    QVERIFY2(why.isEmpty(), qPrintable(why));
}

void TestWindowManager::cleanup()
{
    if (m_sayora.state() != QProcess::NotRunning) {
        m_sayora.kill();
        m_sayora.waitForFinished();
    }
}

QString TestWindowManager::open()
{
    QProcessEnvironment env = m_desktop->environment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("SAYORA_AUDIO"), QStringLiteral("null"));
    env.insert(QStringLiteral("SAYORA_FLITE_VOICES"), QStringLiteral("kal"));
    m_sayora.setProcessEnvironment(env);
    m_sayora.start(QStringLiteral(SAYORA_EXE), {});
    if (!m_sayora.waitForStarted())
        return {};
    const QString found = m_desktop->xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                                              QStringLiteral("--pid"), QString::number(m_sayora.processId()),
                                              QStringLiteral("--name"), QStringLiteral("^Sayora$")});
    return found.section(QLatin1Char('\n'), 0, 0);
}

bool TestWindowManager::close(const QString &window)
{
    m_desktop->xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window, QStringLiteral("key"),
                        QStringLiteral("--clearmodifiers"), QStringLiteral("alt+F4")});
    return m_sayora.waitForFinished(30000) && m_sayora.exitStatus() == QProcess::NormalExit && m_sayora.exitCode() == 0;
}

void TestWindowManager::reopensAsItWasClosed()
{
    const QString settings = m_dir.filePath(QStringLiteral("config/sayora/dovexensf.ini"));

    // The first run opens at the window's design size.
    QString window = open();
    QVERIFY(!window.isEmpty());
    // Framed and placed by the window manager: its frame lies around it.
    QTRY_VERIFY_WITH_TIMEOUT(windowGeometry(*m_desktop, window).top() > 0, 20000);
    QRect closed = windowGeometry(*m_desktop, window);
    QVERIFY(close(window));
    QVERIFY(QFile::exists(settings));
    const std::optional<SettingsRecord> first = SettingsRecord::load(settings);
    QVERIFY(first);

    for (int start = 2; start <= 6; ++start) {
        window = open();
        QVERIFY(!window.isEmpty());
        if (start == 5) {
            // Reopened folded: as high as it was closed, and as wide as the
            // folded window is, 470 pixels with its frame.
            QTRY_COMPARE_WITH_TIMEOUT(windowGeometry(*m_desktop, window).height(), closed.height(), 20000);
            QVERIFY(windowGeometry(*m_desktop, window).width() < 470);
            closed = windowGeometry(*m_desktop, window);
        }
        QTRY_COMPARE_WITH_TIMEOUT(windowGeometry(*m_desktop, window), closed, 20000);
        if (start == 3) {
            // The user makes it larger: it reopens so.
            m_desktop->xdotool({QStringLiteral("windowsize"), window, QStringLiteral("640"), QStringLiteral("560")});
            QTRY_COMPARE_WITH_TIMEOUT(windowGeometry(*m_desktop, window).size(), QSize(640, 560), 20000);
            closed = windowGeometry(*m_desktop, window);
        } else if (start == 4) {
            // Folded down to its button panel (F8).
            m_desktop->xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window,
                                QStringLiteral("key"), QStringLiteral("F8")});
            QTRY_VERIFY_WITH_TIMEOUT(windowGeometry(*m_desktop, window).height() < closed.height(), 20000);
            closed = windowGeometry(*m_desktop, window);
        }
        QVERIFY(close(window));
        const std::optional<SettingsRecord> record = SettingsRecord::load(settings);
        QVERIFY(record);
        if (start == 2) {
            // Nothing changed: the same record.
            QCOMPARE(record->WinLeft, first->WinLeft);
            QCOMPARE(record->WinTop, first->WinTop);
            QCOMPARE(record->WinWidth, first->WinWidth);
            QCOMPARE(record->WinHeight, first->WinHeight);
        }
    }
}

QTEST_GUILESS_MAIN(TestWindowManager)
#include "tst_window_manager.moc"
