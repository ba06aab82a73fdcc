// sayora-selection [--clipboard]
//
// Takes the text selected on the desktop (the X11 primary selection, or the
// clipboard with --clipboard; on Wayland through wl-paste when it is
// installed) and runs the reader with it as its command line, as a browser's
// "read the selection" entry would. It waits for the reader and ends with
// its exit status, so a temporary file it had to make can be removed.
//
// SAYORA_SELECTION_DRY_RUN=1 prints the reader's path and its argument
// instead of running it (the argument is everything after the first line).

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdio>
#include <memory>

namespace {

// A single argument may not exceed 128 KiB (MAX_ARG_STRLEN): a longer
// selection goes to the reader as a text file, which it loads and reads the
// same way.
constexpr qsizetype longestArgumentBytes = 100000;

void say(const QString &message)
{
    std::fprintf(stderr, "sayora-selection: %s\n", qPrintable(message));
}

QString readerProgram()
{
    // The reader installed beside this command comes first, so a build tree
    // or a private prefix runs its own copy.
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("sayora"));
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QStandardPaths::findExecutable(QStringLiteral("sayora"));
}

// Wayland hands the selection only to the focused client: wl-paste knows
// how to ask the compositor for it.
QString readWithWlPaste(const QString &wlPaste, bool clipboard)
{
    QStringList arguments{QStringLiteral("--no-newline"), QStringLiteral("--type"), QStringLiteral("text")};
    if (!clipboard)
        arguments << QStringLiteral("--primary");
    QProcess process;
    process.start(wlPaste, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();  // wl-paste fails when nothing is selected
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

int main(int argc, char *argv[])
{
    bool clipboard = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray option(argv[i]);
        if (option == "-c" || option == "--clipboard") {
            clipboard = true;
        } else if (option == "-h" || option == "--help") {
            std::printf("Usage: sayora-selection [--clipboard]\n"
                        "Reads the selected text (or with --clipboard the copied text) aloud with sayora.\n");
            return 0;
        } else {
            say(QStringLiteral("unknown option %1 (try --help)").arg(QString::fromLocal8Bit(option)));
            return 2;
        }
    }

    std::unique_ptr<QCoreApplication> app;
    QString text;
    const QString wlPaste = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                ? QString()
                                : QStandardPaths::findExecutable(QStringLiteral("wl-paste"));
    if (!wlPaste.isEmpty()) {
        app = std::make_unique<QCoreApplication>(argc, argv);
        text = readWithWlPaste(wlPaste, clipboard);
    } else {
        // Without wl-paste, X11 (or the X11 programs of a Wayland session,
        // through Xwayland) is the one place to read a selection from.
        if (qEnvironmentVariableIsEmpty("DISPLAY")) {
            say(QStringLiteral("no X display to read the selection from (DISPLAY is not set)"));
            return 1;
        }
        qputenv("QT_QPA_PLATFORM", "xcb");
        app = std::make_unique<QGuiApplication>(argc, argv);
        text = QGuiApplication::clipboard()->text(clipboard ? QClipboard::Clipboard : QClipboard::Selection);
    }

    if (text.trimmed().isEmpty()) {
        say(clipboard ? QStringLiteral("the clipboard holds no text") : QStringLiteral("nothing is selected"));
        return 1;
    }
    const QString reader = readerProgram();
    if (reader.isEmpty()) {
        say(QStringLiteral("the reader sayora was not found"));
        return 1;
    }

    const bool dryRun = qEnvironmentVariable("SAYORA_SELECTION_DRY_RUN") == QLatin1String("1");
    QString argument = text;
    QTemporaryFile longText(QDir::temp().filePath(QStringLiteral("sayora-selection-XXXXXX.txt")));
    if (text.toUtf8().size() > longestArgumentBytes) {
        // In a dry run the file is left for whoever asked.
        longText.setAutoRemove(!dryRun);
        if (!longText.open() || longText.write(text.toUtf8()) != text.toUtf8().size() || !longText.flush()) {
            say(QStringLiteral("cannot write the selection to %1: %2").arg(longText.fileName(), longText.errorString()));
            return 1;
        }
        longText.close();
        argument = longText.fileName();
    }

    if (dryRun) {
        std::printf("%s\n%s", qPrintable(reader), argument.toUtf8().constData());
        return 0;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(reader, {argument});
    if (!process.waitForStarted()) {
        say(QStringLiteral("cannot start %1: %2").arg(reader, process.errorString()));
        return 1;
    }
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit) {
        say(QStringLiteral("the reader ended abnormally"));
        return 1;
    }
    return process.exitCode();
}
