// libFuzzer target for the document readers: any input must be read
// without a crash, a hang or undefined behaviour, and give valid UTF-16.
//   cmake -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DSAYORA_FUZZ=ON
//   cmake --build build-fuzz --target fuzz_rtf
//   build-fuzz/bin/fuzz_rtf -dict=tests/fuzz/rtf.dict -max_total_time=60 \
//       corpus/ tests/reader/documents/data/
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
