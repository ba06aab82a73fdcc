#include "app/sayora_main.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/command_line.h"
#include "audio/speech_player.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sayora"));
    QApplication::setApplicationVersion(QStringLiteral("1.19"));

    auto window = std::make_unique<SayoraMain>();
    if (qEnvironmentVariableIsSet("SAYORA_REPORT_SHOWN")) {
        // Lets the start-up benchmark see the moment the window appears.
        QObject::connect(window.get(), &SayoraMain::firstShown, [] {
            QTextStream(stdout) << "shown" << Qt::endl;
        });
    }
    window->load(argumentText(QApplication::arguments()));
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
