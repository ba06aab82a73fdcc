// Rendering 10,000 characters to a WAV file through the control, created by
// class identifier and driven through its dispatch interface, against flite
// alone rendering the same sentence-sized pieces into a file. Prints the
// wall times and their ratio for each voice (aim: at most 1.10).
#include "bench_support.h"
#include "com/component_runtime.h"
#include "registry/registry_key.h"
#include "text/text_chunker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QFileInfo>

#include <cstdio>

extern "C" {
#include <flite/flite.h>
cst_voice *register_cmu_us_kal16(const char *voxdir);
cst_voice *register_cmu_us_slt(const char *voxdir);
}

namespace {

const QString appPaths = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\sayora.exe");
constexpr Guid CLSID_MyTavo = makeGuid(0x4E81060C, 0xA251, 0x48CC, 0xB8, 0x1C, 0x29, 0x9C, 0xE7, 0x55, 0x63, 0x42);

quint32 waveEnd()
{
    RegistryKey key;
    quint32 value = 0;
    key.open(appPaths, RegistryKey::ReadOnly);
    key.queryDword(QStringLiteral("WaveEnd"), &value);
    return value;
}

double throughControl(IDispatch *control, const QString &text, const QString &voice, int speed, int pitch, const QString &path)
{
    RegistryKey key;
    key.create(appPaths);
    key.setDword(QStringLiteral("WaveEnd"), 3);
    DISPID speak = 0;
    control->GetIDsOfNames(QStringLiteral("Speak"), &speak);
    QElapsedTimer clock;
    clock.start();
    control->Invoke(speak, {text, path, voice, speed, pitch, 2048}, nullptr);
    // The reader polls every 500 ms; here the loop turns as often as it can.
    // Polled as often as it is useful: reading the store takes a core from
    // the rendering when done without pause.
    while (waveEnd() != 1) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QThread::msleep(2);
    }
    return clock.nsecsElapsed() / 1e6;
}

double fliteAlone(cst_voice *voice, const QString &text, const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(QByteArray(44, '\0'));
    TextChunker::Piece piece;
    for (qsizetype at = 0; TextChunker::next(text, at, 400, &piece); at = piece.end) {
        const QByteArray bytes = text.mid(piece.start, piece.end - piece.start).toLatin1();
        cst_wave *wave = flite_text_to_wave(bytes.constData(), voice);
        file.write(reinterpret_cast<const char *>(wave->samples), qsizetype(wave->num_samples) * 2);
        delete_wave(wave);
    }
    file.close();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    ComponentRuntime::initialize();
    if (failed(ComponentRuntime::registerServer(QCoreApplication::applicationDirPath() + QStringLiteral("/tavo.so")))) {
        std::printf("tavo.so not found beside the benchmark\n");
        return 0;
    }
    ComPtr<IDispatch> control;
    ComponentRuntime::createInstance(CLSID_MyTavo, nullptr, IID_IDispatch, control.put());
    flite_init();
    const QString text = bench::textOfLength(10000);
    const QString wav = home.filePath(QStringLiteral("out.wav"));

    std::printf("%-34s %12s %12s %7s\n", "voice (10,000 chars, median of 5)", "control ms", "flite ms", "ratio");
    // At each voice's own speed and pitch, so both sides make the same audio.
    const struct { const char *name; cst_voice *voice; int speed; int pitch; } voices[] = {
        {"Flite Kal (US English, male, 16 kHz)", register_cmu_us_kal16(nullptr), 190, 95},
        {"Flite SLT (US English, female)", register_cmu_us_slt(nullptr), 205, 163},
    };
    for (const auto &v : voices) {
        QList<double> viaControl, alone;
        for (int run = 0; run < 5; ++run) {
            viaControl << throughControl(control.get(), text, QString::fromLatin1(v.name), v.speed, v.pitch, wav);
            alone << fliteAlone(v.voice, text, wav);
        }
        const double c = bench::median(viaControl), f = bench::median(alone);
        std::printf("%-34s %12.0f %12.0f %7.3f\n", v.name, c, f, c / f);
        throughControl(control.get(), text, QString::fromLatin1(v.name), v.speed, v.pitch, wav);
        const qint64 ours = QFileInfo(wav).size();
        fliteAlone(v.voice, text, wav);
        std::printf("  WAV bytes: control %lld, flite %lld\n", ours, QFileInfo(wav).size());
    }
    return 0;
}
