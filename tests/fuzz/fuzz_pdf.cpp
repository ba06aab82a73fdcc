// libFuzzer target for the PDF, through poppler reader alone: any bytes give a text
// or a reason, without a crash, a hang, a leak or undefined behaviour.
//   scripts/fuzz.sh 60 fuzz_pdf
#include "document_check.h"
#include "documents/pdf_text.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkDocument(PdfText::read(bytes));
    return 0;
}
