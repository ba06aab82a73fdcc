#include "app/sayora_main.h"

#include <QApplication>
#include <QTextStream>

#include "app/command_line.h"

int main(int argc, char *argv[])
{
    // The command line is a text to read, taken whole: Qt must not take
    // words such as "-reverse" or "-stylesheet=file" out of it as its own
    // options, so it sees only the program's name. (Qt's options remain
    // available through the environment, e.g. QT_QPA_PLATFORM.)
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
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
