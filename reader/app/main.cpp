#include "app/sayora_main.h"

#include <QApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/command_line.h"
#include "app/window_export.h"
#include "shell/termination_signals.h"
#include "shell/user_language.h"
#include "audio/speech_player.h"

int main(int argc, char *argv[])
{
    // The one argument that is not a text to read, as for any installed
    // program: answered before Qt starts, so it needs no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("sayora %s\n", SAYORA_VERSION);
        return 0;
    }
    // Every argument is the user's text, taken whole: Qt must never see
    // "-reverse" or "-platform" among them as its own options. It gets the
    // program's name alone; the platform comes from QT_QPA_PLATFORM.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(QStringLiteral("sayora"));
    QApplication::setApplicationVersion(QStringLiteral(SAYORA_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.sayora.Sayora"));
    installTranslations();

    auto window = std::make_unique<SayoraMain>();
    if (qEnvironmentVariableIsSet("SAYORA_REPORT_SHOWN")) {
        // Lets the start-up benchmark see the moment the window appears.
        QObject::connect(window.get(), &SayoraMain::firstShown, [] {
            QTextStream(stdout) << "shown" << Qt::endl;
        });
    }
    // A running export is stopped and its temporary files removed before
    // these signals end the program.
    if (TerminationSignals *ending = TerminationSignals::install({SIGTERM, SIGHUP, SIGINT}, &app))
        QObject::connect(ending, &TerminationSignals::received, window->exporter(), &WindowExport::endBySignal);
    const StartRequest start = startRequest(arguments);
    window->load(start.text, start.meaning);
    window->show();
    const int code = QApplication::exec();

    // Everything that needs saving was saved while the window closed. The
    // audio outputs and the window go now, while Qt is whole; then the
    // process ends without exit handlers, among which Qt 6.4 tears down its
    // PulseAudio engine without the engine's lock and now and then aborts.
    SpeechPlayer::closeAllOutputs();
    window.reset();
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(code);
}
