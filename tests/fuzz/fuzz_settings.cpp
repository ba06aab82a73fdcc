// libFuzzer target for the settings file reader: any bytes must be read
// without a crash or undefined behaviour, and what was read must survive a
// write and a second read unchanged.
//   scripts/fuzz.sh 60 fuzz_settings
#include "app/settings_record.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    int fieldsRead = 0;
    const SettingsRecord record = SettingsRecord::fromBytes(bytes, &fieldsRead);
    if (fieldsRead < 0 || fieldsRead > SettingsRecord::FieldCount)
        std::abort();
    if (!(SettingsRecord::fromBytes(record.toBytes()) == record))
        std::abort();
    return 0;
}
