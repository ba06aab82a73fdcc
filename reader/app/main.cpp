#include "app/sayora_main.h"

#include <QApplication>
#include <QTextStream>

#include "app/command_line.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sayora"));
    QApplication::setApplicationVersion(QStringLiteral("1.19"));

    SayoraMain window;
    if (qEnvironmentVariableIsSet("SAYORA_REPORT_SHOWN")) {
        // Lets the start-up benchmark see the moment the window appears.
        QObject::connect(&window, &SayoraMain::firstShown, [] {
            QTextStream(stdout) << "shown" << Qt::endl;
        });
    }
    window.load(argumentText(QApplication::arguments()));
    window.show();
    return QApplication::exec();
}
