// Opening books: a 500-page PDF and a 2 MB EPUB, made here (the PDF by Qt's
// own PDF writer, the EPUB with libzip), then read through the rich-text
// box as the window's Open does. Prints the median of several openings.
//   ./bench_books [--runs N] [--keep FOLDER] [--pdf FILE]
// --keep leaves the books made there; --pdf measures another PDF as well.

#include "bench_support.h"

#include "documents/rich_text_box.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <zip.h>

#include <cstdio>

namespace {

const QString &paragraph = bench::bookParagraph;

bool addFile(zip_t *zip, const char *name, const QByteArray &data, bool store = false)
{
    // libzip reads the buffer when the archive is closed; keep it alive.
    static QList<QByteArray> keep;
    keep.append(data);
    zip_source_t *source = zip_source_buffer(zip, keep.back().constData(), zip_uint64_t(data.size()), 0);
    const zip_int64_t index = zip_file_add(zip, name, source, ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    if (store)
        zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_STORE, 0);
    return true;
}

// An EPUB 3 book of `chapters` pages whose text adds up to about `bytes`.
bool writeEpub(const QString &path, int chapters, qsizetype bytes)
{
    int error = 0;
    zip_t *zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        return false;
    QByteArray manifest, spine, nav;
    bool ok = addFile(zip, "mimetype", "application/epub+zip", true)
        && addFile(zip, "META-INF/container.xml",
                   "<?xml version=\"1.0\"?><container version=\"1.0\" "
                   "xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\"><rootfiles><rootfile "
                   "full-path=\"OEBPS/book.opf\" media-type=\"application/oebps-package+xml\"/></rootfiles></container>");
    const QByteArray sentence = paragraph.toUtf8();
    for (int c = 1; c <= chapters && ok; ++c) {
        QByteArray page = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><html xmlns=\"http://www.w3.org/1999/xhtml\"><head>"
                          "<title>c</title></head><body><h1 id=\"top\">Chapter " + QByteArray::number(c) + "</h1>";
        while (page.size() < bytes / chapters)
            page += "<p>" + sentence + sentence + sentence + "</p>\n";
        page += "</body></html>";
        const QByteArray name = "c" + QByteArray::number(c) + ".xhtml";
        ok = addFile(zip, ("OEBPS/" + name).constData(), page);
        manifest += "<item id=\"c" + QByteArray::number(c) + "\" href=\"" + name + "\" media-type=\"application/xhtml+xml\"/>";
        spine += "<itemref idref=\"c" + QByteArray::number(c) + "\"/>";
        nav += "<li><a href=\"" + name + "#top\">Chapter " + QByteArray::number(c) + "</a></li>";
    }
    ok = ok
        && addFile(zip, "OEBPS/nav.xhtml",
                   "<?xml version=\"1.0\"?><html xmlns=\"http://www.w3.org/1999/xhtml\" "
                   "xmlns:epub=\"http://www.idpf.org/2007/ops\"><body><nav epub:type=\"toc\"><ol>" + nav
                       + "</ol></nav></body></html>")
        && addFile(zip, "OEBPS/book.opf",
                   "<?xml version=\"1.0\"?><package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\">"
                   "<metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:title>Bench</dc:title></metadata>"
                   "<manifest><item id=\"nav\" href=\"nav.xhtml\" media-type=\"application/xhtml+xml\" "
                   "properties=\"nav\"/>" + manifest + "</manifest><spine>" + spine + "</spine></package>");
    if (!ok) {
        zip_discard(zip);
        return false;
    }
    return zip_close(zip) == 0;
}

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
        RichTextBox box;
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
    if (!bench::writePdfBook(pdf, 500) || !writeEpub(epub, 40, 2 * 1024 * 1024)) {
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
