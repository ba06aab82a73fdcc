// Opening books: a 500-page PDF and a 2 MB EPUB, made here (the PDF by Qt's
// own PDF writer, the EPUB with libzip), then read through the rich-text
// box as the window's Open does. Prints the median of several openings.
//   ./bench_books [--runs N] [--keep FOLDER] [--pdf FILE]
// --keep leaves the books made there; --pdf measures another PDF as well.

#include "bench_support.h"
#include "epub_writer.h"

#include "documents/document_loader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

const QString &paragraph = bench::bookParagraph;

double cpuMilliseconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

void measure(const char *label, const QString &path, int runs)
{
    QList<double> times, cpu;
    qsizetype length = 0;
    int chapters = 0;
    for (int i = 0; i < runs; ++i) {
        DocumentLoader box;
        QElapsedTimer timer;
        const double cpuStart = cpuMilliseconds();
        timer.start();
        const bool ok = box.LoadFile(path);
        times.append(double(timer.nsecsElapsed()) / 1e6);
        cpu.append(cpuMilliseconds() - cpuStart);
        if (!ok) {
            std::printf("%s: %s\n", label, qPrintable(box.errorString()));
            return;
        }
        length = box.Text().size();
        chapters = int(box.document().chapters.size());
    }
    std::printf("%-24s %7.0f KB  %8lld chars  %3d chapters  wall median %6.0f ms, max %6.0f ms  CPU median %6.0f ms\n",
                label, double(QFileInfo(path).size()) / 1024.0, static_cast<long long>(length), chapters,
                bench::median(times), *std::max_element(times.cbegin(), times.cend()), bench::median(cpu));
}

}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    int runs = 5;
    const QStringList args = app.arguments();
    if (const qsizetype i = args.indexOf(QStringLiteral("--runs")); i >= 0 && i + 1 < args.size())
        runs = std::max(1, args.at(i + 1).toInt());
    QTemporaryDir temporary;
    QDir dir(temporary.path());
    if (const qsizetype i = args.indexOf(QStringLiteral("--keep")); i >= 0 && i + 1 < args.size())
        dir.setPath(args.at(i + 1));
    const QString pdf = dir.filePath(QStringLiteral("book.pdf"));
    const QString epub = dir.filePath(QStringLiteral("book.epub"));
    if (!bench::writePdfBook(pdf, 500) || !bench::writeEpub(epub, 40, 2 * 1024 * 1024, paragraph)) {
        std::printf("could not make the books\n");
        return 0;
    }
    std::printf("Opening books (%d runs each; target: under 1000 ms)\n", runs);
    measure("PDF, 500 pages", pdf, runs);
    measure("EPUB, 2 MB of text", epub, runs);
    // A PDF of one's own, from LaTeX or a word processor.
    if (const qsizetype i = args.indexOf(QStringLiteral("--pdf")); i >= 0 && i + 1 < args.size())
        measure("PDF given", args.at(i + 1), runs);
    return 0;
}
