// MP3 export of a 10,000-character text, from the Save click to the
// completion window, against the same work done by the bare tools: the
// engine library alone synthesizing to a WAV file (in a child process of
// this program, so no state is shared), then `lame -f`. One run of each per
// voice, alternated three times; medians, their ratio (aim: at most 1.10)
// and the reader's peak memory.
#include "app/mp3_end.h"
#include "app/sayora_main.h"
#include "audio/wave_file.h"
#include "bench_support.h"
#include "speech/speech_controller.h"
#include "text/text_chunker.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <espeak-ng/speak_lib.h>

extern "C" {
#include <flite/flite.h>
cst_voice *register_cmu_us_kal16(const char *voxdir);
}

namespace {

QByteArray espeakPcm;
int collect(short *wav, int samples, espeak_EVENT *)
{
    if (wav)
        espeakPcm.append(reinterpret_cast<const char *>(wav), qsizetype(samples) * 2);
    return 0;
}

// Child mode: the engine library alone, text file in, WAV file out.
int bare(const QString &engine, const QString &in, const QString &out)
{
    QFile textFile(in);
    textFile.open(QIODevice::ReadOnly);
    const QByteArray text = textFile.readAll();
    QByteArray pcm;
    int rate = 16000;
    if (engine == QLatin1String("espeak")) {
        rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 20, nullptr, espeakINITIALIZE_DONT_EXIT);
        espeak_SetVoiceByName("en-us");
        espeak_SetSynthCallback(collect);
        espeak_Synth(text.constData(), size_t(text.size() + 1), 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
        espeak_Synchronize();
        pcm = espeakPcm;
    } else {
        flite_init();
        cst_voice *voice = register_cmu_us_kal16(nullptr);
        const QString all = QString::fromUtf8(text);
        TextChunker::Piece piece;
        // Sentence by sentence: one utterance of the whole text takes gigabytes.
        for (qsizetype at = 0; TextChunker::next(all, at, 400, &piece); at = piece.end) {
            cst_wave *wave = flite_text_to_wave(all.mid(piece.start, piece.end - piece.start).toLatin1().constData(), voice);
            pcm.append(reinterpret_cast<const char *>(wave->samples), qsizetype(wave->num_samples) * 2);
            rate = wave->sample_rate;
            delete_wave(wave);
        }
    }
    QFile wav(out);
    wav.open(QIODevice::WriteOnly);
    wav.write(WaveFile::header(rate, pcm.size()) + pcm);
    return 0;
}

double bareTools(const QString &engine, const QString &text, const QTemporaryDir &dir)
{
    const QString in = dir.filePath(QStringLiteral("in.txt")), wav = dir.filePath(QStringLiteral("bare.wav")),
                  mp3 = dir.filePath(QStringLiteral("bare.mp3"));
    QFile f(in);
    f.open(QIODevice::WriteOnly);
    f.write(text.toUtf8());
    f.close();
    QElapsedTimer clock;
    clock.start();
    QProcess::execute(QCoreApplication::applicationFilePath(), {QStringLiteral("--bare"), engine, in, wav});
    QProcess::execute(QStringLiteral("lame"), {QStringLiteral("-f"), QStringLiteral("--quiet"), wav, mp3});
    return clock.nsecsElapsed() / 1e6;
}

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
        if (encodeStart == 0 && window.Timer2->isActive())
            encodeStart = clock.nsecsElapsed() / 1e6;
    });
    phase.start(1);
    window.saveClick();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (qEnvironmentVariableIsSet("BENCH_PHASES"))
        std::printf("  rendering %.0f ms, encoding %.0f ms\n", encodeStart, clock.nsecsElapsed() / 1e6 - encodeStart);
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 5 && qstrcmp(argv[1], "--bare") == 0) {
        QCoreApplication app(argc, argv);
        return bare(QString::fromLatin1(argv[2]), QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]));
    }
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("SAYORA_AUDIO", "null");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sayora"));
    QTemporaryDir dir;
    const QString text = bench::textOfLength(10000);
    auto window = std::make_unique<SayoraMain>();
    window->load(QString());
    window->MainTxtBox->setPlainText(text);

    std::printf("%-38s %10s %10s %7s\n", "voice (10,000 chars, median of 5)", "Sayora ms", "bare ms", "ratio");
    const struct { const char *voice; const char *engine; } rows[] = {
        {"English (America)", "espeak"},
        {"Flite Kal (US English, male, 16 kHz)", "flite"},
    };
    for (const auto &row : rows) {
        window->speech()->setVoiceListPosition(window->Combo1->findText(QString::fromLatin1(row.voice)));
        QList<double> ours, tools;
        for (int run = 0; run < 5; ++run) {
            ours << throughSayora(*window, dir.filePath(QStringLiteral("out.mp3")));
            tools << bareTools(QString::fromLatin1(row.engine), text, dir);
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
