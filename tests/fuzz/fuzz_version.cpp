// libFuzzer target for the update server's version file: its first line is
// a version, its second the installer's SHA-256. Any bytes give a finite
// version or none, a checksum of 32 bytes or none, and a download length
// that is never negative.
//   scripts/fuzz.sh 60 fuzz_version
#include "update/update_rules.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString first = firstLine(bytes);
    if (first.contains(u'\r') || first.contains(u'\n') || !first.isValidUtf16())
        std::abort();
    const std::optional<double> version = versionNumber(first);
    if (version && !std::isfinite(*version))
        std::abort();
    const QByteArray checksum = installerChecksum(bytes);
    if (!checksum.isEmpty() && checksum.size() != 32)
        std::abort();
    // The same bytes as a Content-Length header.
    if (contentLength(QString::fromUtf8(bytes)) < 0)
        std::abort();
    return 0;
}
