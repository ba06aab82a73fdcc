// libFuzzer target for the ZIP layer under the EPUB, DOCX and ODT readers:
// any bytes open or not without a crash, a hang, a leak or undefined
// behaviour; what is read keeps to the budget, and a failed read says why.
//   scripts/fuzz.sh 60 fuzz_zip
#include "documents/zip_archive.h"

#include <cstdint>
#include <cstdlib>

namespace {

// A small budget, so that the fuzzer reaches the limit with small inputs.
constexpr qint64 budget = 64 * 1024;

// The names the book readers ask for, and one that no archive has.
const char *const names[] = {"mimetype", "META-INF/container.xml", "META-INF/encryption.xml",
                             "word/document.xml", "content.xml", "a", "../a", "missing/entry"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ZipArchive zip(bytes, budget);
    qint64 total = 0;
    for (const char *name : names) {
        const QString entry = QString::fromLatin1(name);
        const bool listed = zip.contains(entry);
        if (listed && !zip.isOpen())
            std::abort();
        const QByteArray content = zip.read(entry);
        total += content.size();
        const ZipArchive::Status status = zip.status();
        if (!content.isEmpty() && status != ZipArchive::Status::Ok)
            std::abort();
        if (zip.isOpen() ? !listed && status != ZipArchive::Status::Missing
                         : status != ZipArchive::Status::Damaged)
            std::abort();
        if (status != ZipArchive::Status::Ok && zip.errorString().isEmpty())
            std::abort();
        // The budget holds for the whole archive, however the entries lie
        // about their sizes.
        if (total > budget)
            std::abort();
    }
    return 0;
}
