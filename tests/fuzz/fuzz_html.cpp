// libFuzzer target for the HTML reader alone: any bytes give a text
// or a reason, without a crash, a hang, a leak or undefined behaviour.
//   scripts/fuzz.sh 60 fuzz_html
#include "document_check.h"
#include "documents/html_reader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkDocument(HtmlReader::read(bytes));
    return 0;
}
