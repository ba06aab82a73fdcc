// sayora-selection [--clipboard]
//
// Takes the text selected on the desktop (the X11 primary selection, or the
// clipboard with --clipboard; on Wayland through wl-paste, the clipboard
// standing in where the compositor keeps no primary selection) and has the reader read it aloud. The text goes to the reader
// on its standard input, with SAYORA_TEXT_ON_STDIN=1 in its environment:
// on its command line a selected "notes.txt" or "*.txt" would name a file
// of the current folder, and the reader would read that file instead. It
// waits for the reader and ends with its exit status.
//
// SAYORA_SELECTION_DRY_RUN=1 prints the reader's path and the text it would
// be handed instead of running it (the text is everything after the first
// line).

#include "desktop/selection_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

#include "shell/user_language.h"

#include <cstdio>
#include <memory>

namespace {

// The context of this program's texts in the catalogues.
struct Selection {
    Q_DECLARE_TR_FUNCTIONS(SayoraSelection)
};

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

}  // namespace

int main(int argc, char *argv[])
{
    bool clipboard = false;
    bool help = false;
    QByteArray unknown;
    for (int i = 1; i < argc && !help && unknown.isEmpty(); ++i) {
        const QByteArray option(argv[i]);
        if (option == "-c" || option == "--clipboard")
            clipboard = true;
        else if (option == "-h" || option == "--help")
            help = true;
        else
            unknown = option;
    }

    // The application comes before any message, which is said in the
    // user's language; only reading an X11 selection needs the GUI one.
    std::unique_ptr<QCoreApplication> app;
    const SelectionText::Way way = SelectionText::way();
    if (!help && unknown.isEmpty() && way == SelectionText::Way::X11) {
        // X11, or the X11 programs of a Wayland session through Xwayland.
        qputenv("QT_QPA_PLATFORM", "xcb");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    installTranslations();

    if (help) {
        std::printf("%s\n", qPrintable(Selection::tr("Usage: sayora-selection [--clipboard]\n"
                                                     "Reads the selected text (or with --clipboard the copied text) "
                                                     "aloud with sayora.")));
        return 0;
    }
    if (!unknown.isEmpty()) {
        say(Selection::tr("unknown option %1 (try --help)").arg(QString::fromLocal8Bit(unknown)));
        return 2;
    }
    // The owner of the selection may never answer: the read gives up after
    // its answer limit rather than leave this command hanging.
    SelectionText selectionText;
    SelectionText::Result selection;
    QEventLoop waiting;
    QObject::connect(&selectionText, &SelectionText::finished, &waiting, [&](const SelectionText::Result &result) {
        selection = result;
        waiting.quit();
    });
    selectionText.read(clipboard ? SelectionText::Source::Clipboard : SelectionText::Source::Selection);
    waiting.exec();
    if (!selection.error.isEmpty()) {
        say(clipboard ? Selection::tr("cannot read the clipboard: %1").arg(selection.error)
                      : Selection::tr("cannot read the selection: %1").arg(selection.error));
        return 1;
    }
    const QString text = selection.text;

    if (text.trimmed().isEmpty()) {
        say(clipboard ? Selection::tr("the clipboard holds no text") : Selection::tr("nothing is selected"));
        return 1;
    }
    const QString reader = readerProgram();
    if (reader.isEmpty()) {
        say(Selection::tr("the reader sayora was not found"));
        return 1;
    }

    const QByteArray bytes = text.toUtf8();
    if (qEnvironmentVariable("SAYORA_SELECTION_DRY_RUN") == QLatin1String("1")) {
        std::printf("%s\n", qPrintable(reader));
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        return 0;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SAYORA_TEXT_ON_STDIN"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.start(reader, {});
    if (!process.waitForStarted()) {
        say(Selection::tr("cannot start %1: %2").arg(reader, process.errorString()));
        return 1;
    }
    // The reader reads the whole text before it opens its window.
    process.write(bytes);
    while (process.bytesToWrite() > 0 && process.waitForBytesWritten(-1)) {
    }
    process.closeWriteChannel();
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit) {
        say(Selection::tr("the reader ended abnormally"));
        return 1;
    }
    return process.exitCode();
}
