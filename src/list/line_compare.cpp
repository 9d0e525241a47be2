#include "list/line_compare.h"

#include <unicode/ucol.h>
#include <unicode/uloc.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <thread>

#include "list/failure.h"
#include "list/utf8.h"

namespace pendara {

namespace {

constexpr char16_t kStrayByteBase = 0xF700;

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
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        if (*p < 0x80) {
            out.push_back(static_cast<char16_t>(*p++));
            continue;
        }
        char32_t cp = 0;
        const int len = DecodeUtf8(p, end, cp);
        if (len == 0) {
            out.push_back(static_cast<char16_t>(kStrayByteBase + *p++));
            continue;
        }
        p += len;
        if (cp < 0x10000) {
            out.push_back(static_cast<char16_t>(cp));
        } else {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        }
    }
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

// Keys for lines [first, last), appended to `keys`; pointers are taken once it stops growing.
void MakeKeys(const std::vector<std::string>& lines, std::size_t first, std::size_t last,
              const LineCollator& collator, std::string& keys, std::vector<KeyedLine>& out) {
    std::vector<std::size_t> offsets(last - first);
    for (std::size_t i = first; i < last; ++i) {
        offsets[i - first] = keys.size();
        collator.appendSortKey(lines[i], keys);
    }
    for (std::size_t i = first; i < last; ++i) {
        const std::size_t offset = offsets[i - first];
        const std::size_t length = (i + 1 < last ? offsets[i + 1 - first] : keys.size()) - offset;
        std::uint64_t prefix = 0;
        for (std::size_t b = 0; b < 8; ++b) {
            prefix =
                (prefix << 8) | (b < length ? static_cast<unsigned char>(keys[offset + b]) : 0u);
        }
        out[i] = {prefix, nullptr, static_cast<std::uint32_t>(length),
                  static_cast<std::uint32_t>(i)};
    }
    for (std::size_t i = first; i < last; ++i) out[i].key = keys.data() + offsets[i - first];
}

}  // namespace

void SortLines(std::vector<std::string>& lines, const LineCollator& collator) {
    std::vector<KeyedLine> entries(lines.size());
    // Making the keys is most of the work; on a long list a second core makes half of them
    // with a collator of its own (a collator must not be shared between threads).
    const std::size_t half = lines.size() >= 200000 && std::thread::hardware_concurrency() > 1
                                 ? lines.size() / 2
                                 : lines.size();
    std::string keysA, keysB;
    if (half < lines.size()) {
        std::exception_ptr failure;
        std::thread helper([&] {
            try {
                const LineCollator second(collator.locale().c_str());
                MakeKeys(lines, half, lines.size(), second, keysB, entries);
            } catch (...) {
                failure = std::current_exception();
            }
        });
        try {
            MakeKeys(lines, 0, half, collator, keysA, entries);
        } catch (...) {
            helper.join();
            throw;
        }
        helper.join();
        if (failure) std::rethrow_exception(failure);
    } else {
        MakeKeys(lines, 0, lines.size(), collator, keysA, entries);
    }
    // Equal keys keep the input order, so lines that differ only in case stay as they came.
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
