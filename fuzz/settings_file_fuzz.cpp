// The settings file parser: any text either fails with a StoreError or reads as settings that
// write out as the very same bytes and read back again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    pendara::SettingsFile file;
    try {
        file = pendara::SettingsFile::Parse(text);
    } catch (const pendara::StoreError&) {
        return 0;
    }
    FUZZ_CHECK(file.hasKey(""));
    const std::string written = file.serialize();
    FUZZ_CHECK(written == text);
    bool readsBack = true;
    try {
        FUZZ_CHECK(pendara::SettingsFile::Parse(written).serialize() == written);
    } catch (const pendara::StoreError&) {
        readsBack = false;
    }
    FUZZ_CHECK(readsBack);
    return 0;
}
