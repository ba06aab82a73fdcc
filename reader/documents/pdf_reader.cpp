#include "documents/pdf_reader.h"

#include "shell/program_folder.h"

#include <QCoreApplication>
#include <QLibrary>

namespace PdfReader {

namespace {

using ReadFunction = void (*)(const QByteArray &, DocumentResult &);

struct Loaded
{
    ReadFunction read = nullptr;
    QString error;
};

// Loaded once and kept for the life of the process; thread-safe, as the
// readers run on worker threads too.
const Loaded &library()
{
    static const Loaded loaded = [] {
        Loaded result;
        QLibrary pdf(programLibrary(QString::fromLatin1(libraryName)));
        if (pdf.load())
            result.read = reinterpret_cast<ReadFunction>(pdf.resolve("sayora_read_pdf"));
        if (!result.read)
            result.error = QCoreApplication::translate("PdfReader", "Sayora's PDF reading is missing or damaged (%1)")
                               .arg(pdf.errorString());
        return result;
    }();
    return loaded;
}

}  // namespace

DocumentResult read(const QByteArray &bytes)
{
    const Loaded &pdf = library();
    if (!pdf.read)
        return DocumentResult::failure(pdf.error);
    DocumentResult result;
    pdf.read(bytes, result);
    return result;
}

}  // namespace PdfReader
