// An EPUB saved as an audiobook from the window, timed from the Save
// dialog's closing to the completion window, for the three book types (a
// file per chapter, one MP3 with chapter marks, one M4B), against the bare
// tools doing the book's text in one go (the engine's library writing a
// WAV in a child process, then `lame -f`). Each output is read back by
// ffprobe: its chapters, in order, end to end, and its duration.
//   ./bench_audiobook [--bytes N] [--chapters N] [--runs N] [--voice NAME] [--no-bare] [--no-replaygain] [--keep FOLDER]
// --bytes: the book's text (default 60000); --no-bare: only the window's
// side (a book whose speech is longer than a WAV file holds);
// --no-replaygain: lame without its default loudness analysis; --keep: the
// book is copied there, for the converter to be measured by itself.

#include "app/mp3_end.h"
#include "app/sayora_main.h"
#include "app/window_export.h"
#include "bare_tools.h"
#include "bench_support.h"
#include "window_save.h"
#include "epub_writer.h"
#include "documents/document_loader.h"
#include "speech/speech_controller.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QMap>
#include <QTemporaryDir>
#include <limits>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

const QString paragraph = QStringLiteral(
    "The listener hears the book chapter by chapter, and the player shows where each one begins. ");

struct Probe
{
    int chapters = 0;
    bool inOrder = true;  // each starts where the one before ends, the first at 0
    double lastEnd = 0;
    double duration = 0;
};

Probe probe(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_chapters"),
                                        QStringLiteral("-show_format"), QStringLiteral("-of"), QStringLiteral("json"), file});
    p.waitForFinished(120000);
    const QJsonObject root = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    Probe result;
    result.duration = root.value(QStringLiteral("format")).toObject().value(QStringLiteral("duration")).toString().toDouble();
    double end = 0;
    for (const QJsonValue &value : root.value(QStringLiteral("chapters")).toArray()) {
        const QJsonObject c = value.toObject();
        const double start = c.value(QStringLiteral("start_time")).toString().toDouble();
        result.inOrder = result.inOrder && std::abs(start - end) < 0.002;
        end = c.value(QStringLiteral("end_time")).toString().toDouble();
        ++result.chapters;
    }
    result.lastEnd = end;
    return result;
}

// What the output holds, in one line.
QString readBack(const QString &target, int chapters)
{
    if (QFileInfo(target).isDir()) {
        const QStringList files = QDir(target).entryList({QStringLiteral("*.mp3")}, QDir::Files, QDir::Name);
        const QStringList lists = QDir(target).entryList({QStringLiteral("*.m3u8")}, QDir::Files);
        double total = 0;
        for (const QString &file : files)
            total += probe(QDir(target).filePath(file)).duration;
        return QStringLiteral("%1 of %2 chapter files, %3 playlist, %4 s")
            .arg(files.size()).arg(chapters).arg(lists.size()).arg(total, 0, 'f', 1);
    }
    const Probe p = probe(target);
    return QStringLiteral("%1 of %2 chapters%3, last ends at %4 of %5 s")
        .arg(p.chapters).arg(chapters)
        .arg(p.inOrder ? QStringLiteral(" end to end") : QStringLiteral(" NOT end to end"))
        .arg(p.lastEnd, 0, 'f', 2).arg(p.duration, 0, 'f', 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("SAYORA_AUDIO", "null");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sayora"));
    const QStringList args = app.arguments();
    const auto option = [&args](const char *name, const QString &fallback) {
        const qsizetype at = args.indexOf(QString::fromLatin1(name));
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
    };
    const qsizetype bytes = option("--bytes", QStringLiteral("60000")).toLongLong();
    const int chapters = option("--chapters", QStringLiteral("6")).toInt();
    const int runs = option("--runs", QStringLiteral("3")).toInt();
    const QString voice = option("--voice", QStringLiteral("English (America)"));
    const bool bare = !args.contains(QStringLiteral("--no-bare"));
    const bench::BareEncoder mp3 = bench::mp3Encoder(args);

    QTemporaryDir dir;
    const QString epub = dir.filePath(QStringLiteral("book.epub"));
    if (!bench::writeEpub(epub, chapters, bytes, paragraph, true)) {
        std::printf("the EPUB could not be written\n");
        return 1;
    }
    if (const QString keep = option("--keep", QString()); !keep.isEmpty())
        QFile::copy(epub, QDir(keep).filePath(QStringLiteral("book.epub")));
    DocumentLoader box;
    box.LoadFile(epub);
    const QString text = box.Text();
    auto window = std::make_unique<SayoraMain>();
    window->load(QString());
    window->openDocument(epub);
    window->speech()->setVoiceListPosition(window->findChild<QComboBox *>(QStringLiteral("Combo1"))->findText(voice));
    const QString engine = voice.startsWith(QLatin1String("Flite")) ? QStringLiteral("flite") : QStringLiteral("espeak");

    std::printf("%s: EPUB of %.1f MB, %lld characters in %d chapters, %d cores; median of %d\n", qPrintable(voice),
                QFileInfo(epub).size() / 1e6, qlonglong(text.size()), chapters, QThread::idealThreadCount(), runs);
    std::printf("%-30s %10s %10s %7s  %s\n", "Save as", "window ms", "bare ms", "ratio", "read back");
    // The MP3 types against espeak-ng (or flite) and lame, the M4B against
    // the same engine and FFmpeg's AAC encoder at the converter's settings.
    const struct { const char *filter; const char *name; bench::BareEncoder encoder; } rows[] = {
        {"Audiobook, a file per chapter (*)", "chapters", mp3},
        {"MP3 with chapter marks (*.mp3)", "book.mp3", mp3},
        {"M4B audiobook with chapters (*.m4b)", "book.m4b", bench::BareEncoder::Aac},
    };
    for (const auto &row : rows) {
        const QString target = dir.filePath(QString::fromLatin1(row.name));
        QList<double> ours, theirs;
        QString found;
        for (int run = 0; run < runs; ++run) {
            QDir(target).removeRecursively();
            QFile::remove(target);
            ours << bench::saveThroughWindow(*window, QString::fromLatin1(row.filter), target);
            if (run == 0)
                found = readBack(target, chapters);
            // The bare tools take turns with the window in every row: the
            // machine's pace drifts over minutes, and a ratio is only fair
            // between runs side by side.
            if (bare)
                theirs << bench::bareTools(engine, text, dir, row.encoder).ms;
        }
        const double a = bench::median(ours), b = bare ? bench::median(theirs) : 0;
        std::printf("%-30s %10.0f %10.0f %7.3f  %s\n", row.name, a, b, b > 0 ? a / b : 0.0, qPrintable(found));
    }
    std::printf("peak memory of the reader process: %.0f MB\n", bench::statusMegabytes("VmHWM:"));
    window.reset();
    bench::finish();
}
