// The settings file parser: any text either fails with a StoreError or reads as settings that
// write out and read back unchanged.
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
    for (const pendara::SettingsFile::Key& key : file.keys()) {
        FUZZ_CHECK(pendara::IsValidKeyPath(key.path));
        FUZZ_CHECK(file.find(key.path) == &key);
    }
    const std::string written = file.serialize();
    pendara::SettingsFile again;
    bool readsBack = true;
    try {
        again = pendara::SettingsFile::Parse(written);
    } catch (const pendara::StoreError&) {
        readsBack = false;
    }
    FUZZ_CHECK(readsBack);
    FUZZ_CHECK(again.serialize() == written);
    FUZZ_CHECK(again.keys().size() == file.keys().size());
    return 0;
}
