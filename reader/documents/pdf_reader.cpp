#include "documents/pdf_reader.h"

#include "shell/program_folder.h"

#include <QCoreApplication>

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
        QString why;
        const QList<QFunctionPointer> functions = loadProgramLibrary(libraryName, {"sayora_read_pdf"}, &why);
        if (functions.isEmpty())
            result.error = QCoreApplication::translate("PdfReader", "Sayora's PDF reading is missing or damaged (%1)")
                               .arg(why);
        else
            result.read = reinterpret_cast<ReadFunction>(functions[0]);
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
