// Time from starting the sayora program to its window being shown, on the
// offscreen platform with the null audio sink: a first run (no settings file
// yet), a run that finds a settings file, and a run with a command-line text.
//
// The program reports the first show by printing "shown" (SAYORA_REPORT_SHOWN);
// the time runs from QProcess::start to reading that line, so it includes
// process creation and loading the shared libraries.
#include "app/sayora_main.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

constexpr int kShowTimeoutMs = 30000;

QString programPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/sayora");
}

QProcessEnvironment environmentFor(const QString &configHome)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("SAYORA_AUDIO"), QStringLiteral("null"));
    env.insert(QStringLiteral("SAYORA_REPORT_SHOWN"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    return env;
}

// Milliseconds from start to the "shown" line, or nothing when the program
// did not report it in time.
std::optional<double> timeToShown(const QString &configHome, const QStringList &arguments)
{
    QProcess process;
    process.setProcessEnvironment(environmentFor(configHome));
    process.setProcessChannelMode(QProcess::SeparateChannels);

    QElapsedTimer clock;
    clock.start();
    process.start(programPath(), arguments);
    std::optional<double> result;
    if (process.waitForStarted(kShowTimeoutMs)) {
        QByteArray out;
        while (clock.elapsed() < kShowTimeoutMs) {
            if (!process.canReadLine() && !process.waitForReadyRead(kShowTimeoutMs - int(clock.elapsed())))
                break;
            while (process.canReadLine()) {
                if (process.readLine().trimmed() == "shown") {
                    result = clock.nsecsElapsed() / 1e6;
                    break;
                }
            }
            if (result)
                break;
        }
    }
    if (!result) {
        std::fprintf(stderr, "sayora did not report \"shown\" (state %d); its stderr:\n%s\n", int(process.state()),
                     process.readAllStandardError().constData());
    }
    // Nothing is to be saved: a plain terminate is enough.
    if (process.state() != QProcess::NotRunning) {
        process.terminate();
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished(3000);
        }
    }
    return result;
}

// Writes the settings file the way a user's orderly close does: the real
// window is built in this process against the given config folder and closed.
bool writeSettingsByOrderlyClose(const QString &configHome)
{
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome));
    {
        SayoraMain window;
        window.load(QString());
        window.show();
        QCoreApplication::processEvents();
        window.close();
    }
    qputenv("XDG_CONFIG_HOME", previous);
    return QFileInfo::exists(configHome + QStringLiteral("/sayora/dovexensf.ini"));
}

struct Row
{
    QString label;
    QList<double> ms;
    int failed = 0;
};

void record(Row &row, const std::optional<double> &ms)
{
    if (ms)
        row.ms << *ms;
    else
        ++row.failed;
}

void printRow(const Row &row)
{
    QList<double> v = row.ms;
    std::sort(v.begin(), v.end());
    if (v.isEmpty()) {
        std::printf("%-34s %5d %9s %9s %9s   (%d failed)\n", qPrintable(row.label), 0, "-", "-", "-", row.failed);
        return;
    }
    const double median = v.size() % 2 ? v.at(v.size() / 2) : (v.at(v.size() / 2 - 1) + v.at(v.size() / 2)) / 2;
    std::printf("%-34s %5lld %9.1f %9.1f %9.1f", qPrintable(row.label), static_cast<long long>(v.size()), v.first(),
                median, v.last());
    if (row.failed)
        std::printf("   (%d failed)", row.failed);
    std::printf("\n");
}

}  // namespace

int main(int argc, char *argv[])
{
    // Line by line, so a table printed before a crash in an audio library survives.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    // The settings case builds the window in this process.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SAYORA_AUDIO", "null");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sayora"));

    int runs = 10;
    const QStringList args = app.arguments();
    const qsizetype runsAt = args.indexOf(QStringLiteral("--runs"));
    if (runsAt > 0 && runsAt + 1 < args.size())
        runs = std::max(1, args.at(runsAt + 1).toInt());

    if (!QFileInfo(programPath()).isExecutable()) {
        std::fprintf(stderr, "%s not found: build the sayora target into the same build folder\n",
                     qPrintable(programPath()));
        return 1;
    }

    // One unmeasured start fills the page cache with the program's libraries
    // and data, so every measured run starts warm.
    {
        QTemporaryDir warm;
        timeToShown(warm.path(), {});
    }

    Row firstRun{QStringLiteral("first run (no settings file)"), {}, 0};
    Row withSettings{QStringLiteral("settings file present"), {}, 0};
    Row withText{QStringLiteral("command-line text \"Hello\""), {}, 0};
    bool settingsWritten = true;

    for (int i = 0; i < runs; ++i) {
        {
            QTemporaryDir config;
            record(firstRun, timeToShown(config.path(), {}));
        }
        {
            QTemporaryDir config;
            if (writeSettingsByOrderlyClose(config.path())) {
                record(withSettings, timeToShown(config.path(), {}));
            } else {
                settingsWritten = false;
                ++withSettings.failed;
            }
        }
        {
            QTemporaryDir config;
            record(withText, timeToShown(config.path(), {QStringLiteral("Hello")}));
        }
    }

    std::printf("Start to window shown: %s, offscreen, null audio sink, fresh XDG_CONFIG_HOME per run\n",
                qPrintable(QDir::toNativeSeparators(programPath())));
    std::printf("%-34s %5s %9s %9s %9s\n", "case", "runs", "min ms", "median ms", "max ms");
    printRow(firstRun);
    printRow(withSettings);
    printRow(withText);
    if (!settingsWritten)
        std::printf("note: the orderly close wrote no settings file, so that case could not be measured\n");
    return 0;
}
