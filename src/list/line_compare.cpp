#include "list/line_compare.h"

#include <unicode/ucol.h>
#include <unicode/uloc.h>
#include <cassert>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>

#include "list/collation_keys.h"
#include "list/failure.h"
#include "list/utf8.h"

namespace pendara {

namespace {

// A stray byte becomes a lone low surrogate, U+DC00 + byte. Valid UTF-8 never decodes to a
// surrogate and a character past U+FFFF always gives a whole pair, so no valid text can produce
// one: a stray byte never compares equal to a real character. ICU weighs a lone surrogate by its
// code point, so stray bytes sort after letters and in the order of their values.
constexpr char16_t kStrayByteBase = 0xDC00;

const char* UserCollationLocale() {
    const char* locale = uloc_getDefault();
    // The C and POSIX locales map to en_US_POSIX, whose collation orders by code point and so
    // tells capitals from small letters; the root collation is the neutral choice there.
    if (locale == nullptr || std::strcmp(locale, "en_US_POSIX") == 0) return "";
    return locale;
}

}  // namespace

void DecodeForCollation(std::string_view text, std::u16string& out) {
    out.clear();
    out.reserve(text.size());
    WalkUtf8(
        text,
        [&](char32_t cp, std::string_view) {
            if (cp < 0x10000) {
                out.push_back(static_cast<char16_t>(cp));
            } else {
                cp -= 0x10000;
                out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
                out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
            }
        },
        [&](unsigned char stray) { out.push_back(static_cast<char16_t>(kStrayByteBase + stray)); });
}

LineCollator::LineCollator(const char* locale) : locale_(locale) {
    UErrorCode status = U_ZERO_ERROR;
    collator_ = ucol_open(locale, &status);
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        collator_ = ucol_open("", &status);
    }
    if (U_FAILURE(status) || collator_ == nullptr) throw Failure("Cannot open the line comparison");
    ucol_setStrength(collator_, UCOL_SECONDARY);
}

LineCollator::~LineCollator() { ucol_close(collator_); }

const LineCollator& LineCollator::forUserLocale() {
    static const LineCollator collator(UserCollationLocale());
    return collator;
}

void LineCollator::appendSortKey(std::string_view line, std::string& out) const {
    DecodeForCollation(line, utf16_);
    const auto* src = reinterpret_cast<const UChar*>(utf16_.data());
    const auto srcLength = static_cast<int32_t>(utf16_.size());
    const std::size_t start = out.size();
    // Keys run about twice the text's length at secondary strength; grow once if that is short.
    std::size_t room = utf16_.size() * 3 + 16;
    out.resize(start + room);
    int32_t needed =
        ucol_getSortKey(collator_, src, srcLength, reinterpret_cast<uint8_t*>(out.data() + start),
                        static_cast<int32_t>(room));
    if (static_cast<std::size_t>(needed) > room) {
        room = static_cast<std::size_t>(needed);
        out.resize(start + room);
        needed = ucol_getSortKey(collator_, src, srcLength,
                                 reinterpret_cast<uint8_t*>(out.data() + start),
                                 static_cast<int32_t>(room));
    }
    out.resize(start + static_cast<std::size_t>(needed));
    assert(out.size() > start && out.back() == '\0');  // a key ends with a 0 byte
}

std::string LineCollator::sortKey(std::string_view line) const {
    std::string key;
    appendSortKey(line, key);
    return key;
}

int LineCollator::compare(std::string_view a, std::string_view b) const {
    return sortKey(a).compare(sortKey(b));
}

namespace {

struct KeyedLine {
    std::uint64_t prefix;  // the key's first eight bytes, so most comparisons are one compare
    const char* key;
    std::uint32_t length;
    std::uint32_t line;
};

void AddKeyedLines(const CollationKeys& keys, std::size_t firstLine, std::vector<KeyedLine>& out) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::string_view key = keys.key(i);
        std::uint64_t prefix = 0;
        for (std::size_t b = 0; b < 8; ++b) {
            prefix = (prefix << 8) | (b < key.size() ? static_cast<unsigned char>(key[b]) : 0u);
        }
        out.push_back({prefix, key.data(), static_cast<std::uint32_t>(key.size()),
                       static_cast<std::uint32_t>(firstLine + i)});
    }
}

}  // namespace

void SortLines(std::vector<std::string>& lines, const LineCollator& collator) {
    // Each half of a long list gets its keys made on a core of its own.
    const std::span<const std::string> all(lines);
    const std::size_t half = lines.size() / 2;
    const auto [front, back] = CollationKeys::MakeTwo(all.first(half), all.subspan(half), collator);
    std::vector<KeyedLine> entries;
    entries.reserve(lines.size());
    AddKeyedLines(front, 0, entries);
    AddKeyedLines(back, half, entries);
    std::sort(entries.begin(), entries.end(), [](const KeyedLine& a, const KeyedLine& b) {
        if (a.prefix != b.prefix) return a.prefix < b.prefix;
        const int order =
            std::string_view(a.key, a.length).compare(std::string_view(b.key, b.length));
        return order != 0 ? order < 0 : a.line < b.line;
    });
    std::vector<std::string> sorted;
    sorted.reserve(lines.size());
    for (const KeyedLine& e : entries) sorted.push_back(std::move(lines[e.line]));
    lines = std::move(sorted);
}

}  // namespace pendara
