// Quick collation keys against the collator's own: two lines that both have quick keys must
// compare alike by either key. The first byte picks the locale; the rest is the two lines,
// split at the first line feed.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "list/line_compare.h"

namespace {

// Locales that join, reorder or weigh ASCII letters in ways of their own, and the root.
constexpr std::array kLocales = {"",   "da", "cs", "cy", "tr", "lt",
                                 "sv", "hu", "hr", "fi", "ja", "en@colNumeric=yes"};

// A collator costs milliseconds to open; each locale's is kept for the whole run.
const pendara::LineCollator& CollatorFor(std::uint8_t pick) {
    static std::array<std::unique_ptr<pendara::LineCollator>, kLocales.size()> collators;
    auto& collator = collators[pick % kLocales.size()];
    if (!collator)
        collator = std::make_unique<pendara::LineCollator>(kLocales[pick % kLocales.size()]);
    return *collator;
}

int Sign(int value) { return (value > 0) - (value < 0); }

std::string Key(const pendara::LineCollator& collator, std::string_view line,
                pendara::KeyForm form) {
    std::string key;
    collator.appendSortKey(line, key, form);
    return key;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const pendara::LineCollator& collator = CollatorFor(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t split = std::min(text.find('\n'), text.size());
    const std::string_view a = text.substr(0, split);
    const std::string_view b = text.substr(std::min(split + 1, text.size()));
    for (const std::string_view line : {a, b}) {
        if (!collator.hasQuickKey(line)) continue;
        for (const char c : line) FUZZ_CHECK(static_cast<unsigned char>(c) < 0x80);
    }
    if (!collator.hasQuickKey(a) || !collator.hasQuickKey(b)) return 0;
    using pendara::KeyForm;
    const int full = Sign(Key(collator, a, KeyForm::Full).compare(Key(collator, b, KeyForm::Full)));
    const int quick =
        Sign(Key(collator, a, KeyForm::Quick).compare(Key(collator, b, KeyForm::Quick)));
    FUZZ_CHECK(full == quick);
    return 0;
}
