// MP3 export of a 10,000-character text, from the Save click to the
// completion window, against the same work done by the bare tools: the
// engine library alone synthesizing to a WAV file (in a child process of
// this program, so no state is shared), then `lame -f`. One run of each per
// voice, alternated three times; medians, their ratio (aim: at most 1.10)
// and the reader's peak memory.
#include "app/mp3_end.h"
#include "app/sayora_main.h"
#include "app/window_export.h"
#include "bare_tools.h"
#include "bench_support.h"
#include "speech/speech_controller.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <limits>

#include <cstdio>

namespace {

double throughSayora(SayoraMain &window, const QString &target)
{
    QFile::remove(target);
    bool done = false;
    QElapsedTimer clock;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            dialog->selectNameFilter(dialog->nameFilters().at(2));
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(target);
            // The clock starts as the dialog closes: its own time is not the export's.
            clock.start();
            QMetaObject::invokeMethod(dialog, "accept");
        } else if (auto *end = dynamic_cast<Mp3End *>(modal)) {
            done = true;
            end->accept();
        }
    });
    answer.start(1);
    double encodeStart = 0;
    QTimer phase;
    QObject::connect(&phase, &QTimer::timeout, [&] {
        if (encodeStart == 0 && window.exporter()->Timer2->isActive())
            encodeStart = clock.nsecsElapsed() / 1e6;
    });
    phase.start(1);
    window.saveClick();
    bench::waitUntil([&] { return done; }, std::numeric_limits<int>::max());
    if (qEnvironmentVariableIsSet("BENCH_PHASES"))
        std::printf("  rendering %.0f ms, encoding %.0f ms\n", encodeStart, clock.nsecsElapsed() / 1e6 - encodeStart);
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("SAYORA_AUDIO", "null");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sayora"));
    QTemporaryDir dir;
    const QString text = bench::textOfLength(10000);
    auto window = std::make_unique<SayoraMain>();
    window->load(QString());
    window->findChild<QPlainTextEdit *>(QStringLiteral("MainTxtBox"))->setPlainText(text);

    std::printf("%-38s %10s %10s %7s\n", "voice (10,000 chars, median of 5)", "Sayora ms", "bare ms", "ratio");
    const struct { const char *voice; const char *engine; } rows[] = {
        {"English (America)", "espeak"},
        {"Flite Kal (US English, male, 16 kHz)", "flite"},
    };
    for (const auto &row : rows) {
        window->speech()->setVoiceListPosition(window->findChild<QComboBox *>(QStringLiteral("Combo1"))->findText(QString::fromLatin1(row.voice)));
        QList<double> ours, tools;
        for (int run = 0; run < 5; ++run) {
            ours << throughSayora(*window, dir.filePath(QStringLiteral("out.mp3")));
            tools << bench::bareTools(QString::fromLatin1(row.engine), text, dir).ms;
        }
        const double a = bench::median(ours), b = bench::median(tools);
        std::printf("%-38s %10.0f %10.0f %7.3f\n", row.voice, a, b, a / b);
        if (qEnvironmentVariableIsSet("BENCH_PHASES"))
            std::printf("  MP3 bytes: Sayora %lld, bare %lld\n", QFileInfo(dir.filePath(QStringLiteral("out.mp3"))).size(),
                        QFileInfo(dir.filePath(QStringLiteral("bare.mp3"))).size());
    }
    std::printf("peak memory of the reader process: %.0f MB\n", bench::statusMegabytes("VmHWM:"));
    window.reset();
    bench::finish();
}
