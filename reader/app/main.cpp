#include "app/sayora_main.h"

#include <QApplication>
#include <QTextStream>

#include "app/command_line.h"

int main(int argc, char *argv[])
{
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
    QApplication::setApplicationVersion(QStringLiteral("1.19"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.sayora.Sayora"));

    SayoraMain window;
    if (qEnvironmentVariableIsSet("SAYORA_REPORT_SHOWN")) {
        // Lets the start-up benchmark see the moment the window appears.
        QObject::connect(&window, &SayoraMain::firstShown, [] {
            QTextStream(stdout) << "shown" << Qt::endl;
        });
    }
    window.load(argumentText(arguments));
    window.show();
    return QApplication::exec();
}
