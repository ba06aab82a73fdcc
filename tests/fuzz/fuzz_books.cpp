// libFuzzer target for the book readers: any input, read as each format,
// must give a text or a reason, without a crash, a hang or undefined
// behaviour. Seed it with the book fixtures:
//   cmake -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DSAYORA_FUZZ=ON
//   cmake --build build-fuzz --target fuzz_books
//   build-fuzz/bin/fuzz_books -max_total_time=60 -rss_limit_mb=4096 \
//       corpus/ tests/reader/documents/data/books/
#include "documents/docx_reader.h"
#include "documents/epub_reader.h"
#include "documents/html_reader.h"
#include "documents/odt_reader.h"
#include "documents/pdf_text.h"
#include "documents/rich_text_box.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(const DocumentResult &result)
{
    const Document &d = result.document;
    if (!d.text.isValidUtf16() || (!result.ok() && !d.text.isEmpty()))
        std::abort();
    for (const Document::Chapter &chapter : d.chapters)
        if (chapter.start < 0 || chapter.start > d.text.size())
            std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    check(PdfText::read(bytes));
    check(EpubReader::read(bytes));
    check(DocxReader::read(bytes));
    check(OdtReader::read(bytes));
    check(HtmlReader::read(bytes));
    // And as the opener tells the format by itself.
    RichTextBox box;
    box.loadBytes(bytes);
    if (!box.Text().isValidUtf16())
        std::abort();
    return 0;
}
