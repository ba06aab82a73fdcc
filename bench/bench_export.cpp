// MP3 export of a 10,000-character text, from the Save click to the
// completion window, against the same work done by the bare tools: the
// engine library alone synthesizing to a WAV file (in a child process of
// this program, so no state is shared), then `lame -f`. One run of each per
// voice, alternated three times; medians, their ratio (aim: at most 1.10)
// and the reader's peak memory.
#include "app/mp3_end.h"
#include "app/sayora_main.h"
#include "app/window_export.h"
#include "documents/save_types.h"
#include "bare_tools.h"
#include "bench_support.h"
#include "window_save.h"
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
    QElapsedTimer clock;
    double encodeStart = 0;
    QTimer phase;
    QObject::connect(&phase, &QTimer::timeout, [&] {
        if (encodeStart == 0 && clock.isValid() && window.exporter()->Timer2->isActive())
            encodeStart = clock.nsecsElapsed() / 1e6;
    });
    phase.start(1);
    const double ms = bench::saveThroughWindow(window, SaveTypes::filters().at(SaveTypes::Mp3 - 1), target, &clock);
    if (qEnvironmentVariableIsSet("BENCH_PHASES"))
        std::printf("  rendering %.0f ms, encoding %.0f ms\n", encodeStart, ms - encodeStart);
    return ms;
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
