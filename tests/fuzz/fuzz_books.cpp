// libFuzzer target for the book readers: any input, read as each format,
// must give a text or a reason, without a crash, a hang or undefined
// behaviour.
// The formats have targets of their own as well (fuzz_pdf, fuzz_epub, ...).
//   scripts/fuzz.sh 60 fuzz_books
#include "document_check.h"
#include "documents/docx_reader.h"
#include "documents/epub_reader.h"
#include "documents/html_reader.h"
#include "documents/odt_reader.h"
#include "documents/pdf_text.h"
#include "documents/document_loader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    checkDocument(PdfText::read(bytes));
    checkDocument(EpubReader::read(bytes));
    checkDocument(DocxReader::read(bytes));
    checkDocument(OdtReader::read(bytes));
    checkDocument(HtmlReader::read(bytes));
    // And as the opener tells the format by itself.
    DocumentLoader box;
    box.loadBytes(bytes);
    if (!box.Text().isValidUtf16())
        std::abort();
    return 0;
}
