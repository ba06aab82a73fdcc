// libFuzzer target for the document readers: any input must be read
// without a crash, a hang or undefined behaviour, and give valid UTF-16.
//   scripts/fuzz.sh 60 fuzz_rtf
#include "documents/rtf_reader.h"
#include "documents/text_decoder.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!RtfReader::toPlainText(bytes).isValidUtf16())
        std::abort();
    if (!decodeText(bytes).isValidUtf16())
        std::abort();
    return 0;
}
