#include "files/code_page.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/ucsdet.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>

#include "text/cancel_point.h"
#include "text/utf8.h"

namespace pendara {

namespace {

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter OpenConverter(const std::string& name) {
    UErrorCode error = U_ZERO_ERROR;
    Converter converter(ucnv_open(name.c_str(), &error));
    if (U_FAILURE(error)) return nullptr;
    return converter;
}

std::u16string Utf16Of(std::string_view text) {
    std::u16string units;
    units.reserve(text.size());
    const auto add = [&](char32_t cp) {
        if (cp >= 0x10000) {
            units.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            units.push_back(static_cast<char16_t>(cp));
        }
    };
    WalkUtf8(
        text, [&](char32_t cp, std::string_view) { add(cp); }, [&](unsigned char) { add(0xFFFD); });
    return units;
}

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// Whether one of the eight ASCII bytes in `word` is a CR or an LF.
bool HasBreak(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    const auto has = [](std::uint64_t value) {
        return ((value - kOnes) & ~value & kHighBits) != 0;
    };
    return has(word ^ (kOnes * '\n')) || has(word ^ (kOnes * '\r'));
}

// The name users know a converter by: its MIME or IANA name where it has one.
std::string DisplayName(const char* canonical) {
    UErrorCode error = U_ZERO_ERROR;
    for (const char* standard : {"MIME", "IANA"}) {
        error = U_ZERO_ERROR;
        const char* name = ucnv_getStandardName(canonical, standard, &error);
        if (U_SUCCESS(error) && name != nullptr) return name;
    }
    return canonical;
}

}  // namespace

struct CodePage::Table {
    // Each byte's character as UTF-8; a length of 0 marks a byte the code page leaves undefined.
    struct Entry {
        unsigned char length = 0;
        char bytes[3] = {};
    };
    std::array<Entry, 256> decode{};
    // The same as words to copy whole, an undefined byte as itself.
    std::array<std::uint32_t, 256> packed{};
    std::array<unsigned char, 256> lengths{};
    // Code point + 1 to the byte + 1 for the Basic Multilingual Plane; 0 where there is none.
    std::vector<std::uint16_t> encode = std::vector<std::uint16_t>(0x10000, 0);
    bool asciiSame = true;
};

CodePage::CodePage(std::string_view name) {
    const std::string wanted(name);
    Converter converter = wanted.empty() ? nullptr : OpenConverter(wanted);
    if (!converter) throw Failure(FormatMessage("Unknown encoding \"%s\"", {wanted}));
    UErrorCode error = U_ZERO_ERROR;
    converter_ = ucnv_getName(converter.get(), &error);
    name_ = DisplayName(converter_.c_str());
    const UConverterType type = ucnv_getType(converter.get());
    singleByte_ = ucnv_getMaxCharSize(converter.get()) == 1 &&
                  (type == UCNV_SBCS || type == UCNV_LATIN_1 || type == UCNV_US_ASCII);
    if (!singleByte_) return;
    table_ = std::make_unique<Table>();
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &error);
    for (int byte = 0; byte < 256; ++byte) {
        table_->packed[static_cast<std::size_t>(byte)] = static_cast<std::uint32_t>(byte);
        table_->lengths[static_cast<std::size_t>(byte)] = 1;
        const char in = static_cast<char>(byte);
        UChar out[2] = {};
        error = U_ZERO_ERROR;
        ucnv_reset(converter.get());
        const int32_t units = ucnv_toUChars(converter.get(), out, 2, &in, 1, &error);
        if (U_FAILURE(error) || units != 1 || (out[0] >= 0xD800 && out[0] <= 0xDFFF)) continue;
        std::string utf8;
        AppendUtf8(utf8, out[0]);
        Table::Entry& entry = table_->decode[static_cast<std::size_t>(byte)];
        entry.length = static_cast<unsigned char>(utf8.size());
        std::copy(utf8.begin(), utf8.end(), entry.bytes);
        std::memcpy(&table_->packed[static_cast<std::size_t>(byte)], utf8.data(), utf8.size());
        table_->lengths[static_cast<std::size_t>(byte)] = entry.length;
        if (byte < 0x80 && out[0] != byte) table_->asciiSame = false;
        // The first byte of a character wins, as ICU's own mapping would.
        if (table_->encode[out[0]] == 0) {
            table_->encode[out[0]] = static_cast<std::uint16_t>(byte + 1);
        }
    }
}

CodePage::~CodePage() = default;

const CodePage& CodePage::Named(std::string_view name) {
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<CodePage>, std::less<>> pages;
    const std::lock_guard lock(mutex);
    if (const auto found = pages.find(name); found != pages.end()) return *found->second;
    auto page = std::make_unique<CodePage>(name);
    return *pages.emplace(std::string(name), std::move(page)).first->second;
}

bool CodePage::keepsAscii() const { return table_ && table_->asciiSame; }

std::string CodePage::decode(std::string_view bytes, BreakCounts* breaks) const {
    std::string text;
    if (table_) {
        // Room for the longest text first (a byte past ASCII takes at most three), then each
        // byte's character copied as one word, ASCII runs eight bytes at a time.
        const auto* const start = reinterpret_cast<const unsigned char*>(bytes.data());
        const auto* const end = start + bytes.size();
        std::size_t high = 0;
        for (const auto* p = start; p < end; ++p) high += *p >> 7;
        const bool asciiSame = table_->asciiSame;
        BreakCounts* const counting = asciiSame ? breaks : nullptr;
        text.reserve(asciiSame ? bytes.size() + 2 * high : 3 * bytes.size());
        // Through a small buffer, so the text's memory is written once, never cleared first.
        constexpr std::size_t kChunk = 64 * 1024;
        char chunk[kChunk + 8];
        char* out = chunk;
        const auto& packed = table_->packed;
        const auto& lengths = table_->lengths;
        for (const auto* p = start; p < end;) {
            if (out - chunk >= static_cast<std::ptrdiff_t>(kChunk - 8)) {
                text.append(chunk, out);
                out = chunk;
                CancelPoint();
            }
            if (asciiSame && end - p >= 8) {
                std::uint64_t word;
                std::memcpy(&word, p, 8);
                if ((word & kHighBits) == 0 && (counting == nullptr || !HasBreak(word))) {
                    std::memcpy(out, &word, 8);
                    p += 8;
                    out += 8;
                    continue;
                }
            }
            std::memcpy(out, &packed[*p], 4);
            out += lengths[*p];
            if (counting != nullptr && *p < 0x80) {
                counting->count(static_cast<char>(*p), p > start ? static_cast<char>(p[-1]) : 0);
            }
            ++p;
        }
        text.append(chunk, out);
        if (counting != nullptr) {
            counting->empty = bytes.empty();
            counting->endsWithBreak = bytes.ends_with('\r') || bytes.ends_with('\n');
        }
        return text;
    }
    Converter converter = OpenConverter(converter_);
    if (!converter || bytes.empty()) return text;
    std::u16string units(bytes.size() * 2 + 16, u'\0');
    UErrorCode error = U_ZERO_ERROR;
    const auto convert = [&] {
        return ucnv_toUChars(converter.get(), reinterpret_cast<UChar*>(units.data()),
                             static_cast<int32_t>(units.size()), bytes.data(),
                             static_cast<int32_t>(bytes.size()), &error);
    };
    int32_t length = convert();
    if (error == U_BUFFER_OVERFLOW_ERROR) {
        // A converter that makes more than two units of a byte: once more with the room it said.
        units.assign(static_cast<std::size_t>(length) + 1, u'\0');
        error = U_ZERO_ERROR;
        ucnv_reset(converter.get());
        length = convert();
    }
    if (U_FAILURE(error)) throw Failure(FormatMessage("Cannot read the list as %s", {name_}));
    CancelPoint();
    text.reserve(bytes.size() * 2);
    for (int32_t i = 0; i < length; ++i) {
        CancelPointEvery(static_cast<std::size_t>(i));
        char32_t cp = units[static_cast<std::size_t>(i)];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < length) {
            const char32_t low = units[static_cast<std::size_t>(i + 1)];
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        AppendUtf8(text, (cp >= 0xD800 && cp <= 0xDFFF) ? char32_t{0xFFFD} : cp);
    }
    return text;
}

std::optional<CodePage::Unmappable> CodePage::encode(std::string_view text,
                                                     std::string& bytes) const {
    bytes.clear();
    bytes.reserve(text.size());
    std::optional<Unmappable> unmappable;
    if (table_) {
        const auto& encode = table_->encode;
        const auto& decode = table_->decode;
        const auto* const start = reinterpret_cast<const unsigned char*>(text.data());
        const auto* p = start;
        const auto* const end = p + text.size();
        while (p < end) {
            if (*p < 0x80 && table_->asciiSame) {
                bytes.push_back(static_cast<char>(*p++));
                continue;
            }
            char32_t cp = *p;
            const int length = *p < 0x80 ? 1 : DecodeUtf8(p, end, cp);
            if (length == 0) {
                // A stray byte stands for a byte the code page left undefined.
                bytes.push_back(static_cast<char>(*p++));
                continue;
            }
            if (cp < 0x10000 && encode[cp] != 0) {
                bytes.push_back(static_cast<char>(encode[cp] - 1));
                p += length;
                continue;
            }
            // Undefined bytes read back to back can look like a character; they go back as
            // they came.
            const bool undefined = std::all_of(
                p, p + length, [&](unsigned char byte) { return decode[byte].length == 0; });
            if (!undefined) {
                unmappable = Unmappable{static_cast<std::size_t>(p - start), cp};
                return unmappable;
            }
            bytes.append(reinterpret_cast<const char*>(p), static_cast<std::size_t>(length));
            p += length;
        }
        return unmappable;
    }
    Converter converter = OpenConverter(converter_);
    UErrorCode error = U_ZERO_ERROR;
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                          &error);
    std::size_t offset = 0;
    const auto convert = [&](std::string_view piece) {
        const std::u16string units = Utf16Of(piece);
        std::string out(units.size() * 4 + 16, '\0');
        error = U_ZERO_ERROR;
        const int32_t length =
            ucnv_fromUChars(converter.get(), out.data(), static_cast<int32_t>(out.size()),
                            reinterpret_cast<const UChar*>(units.data()),
                            static_cast<int32_t>(units.size()), &error);
        if (U_FAILURE(error)) return false;
        bytes.append(out.data(), static_cast<std::size_t>(length));
        return true;
    };
    // Character by character only to find which one failed.
    if (convert(text)) return unmappable;
    bytes.clear();
    WalkUtf8(
        text,
        [&](char32_t cp, std::string_view piece) {
            if (!unmappable && !convert(piece)) unmappable = Unmappable{offset, cp};
            offset += piece.size();
        },
        [&](unsigned char byte) {
            if (!unmappable) bytes.push_back(static_cast<char>(byte));
            ++offset;
        });
    return unmappable;
}

std::string CodePointName(char32_t character) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(character));
    return name;
}

UnmappableCharacter::UnmappableCharacter(const std::string& encoding, std::size_t line,
                                         char32_t character)
    : Failure([&] {
          std::string shown;
          AppendUtf8(shown, character);
          return FormatMessage("Line %s holds \"%s\" (%s), which %s cannot hold",
                               {std::to_string(line), shown, CodePointName(character), encoding});
      }()),
      line_(line),
      character_(character) {}

bool IsValidUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        // Eight ASCII bytes at a time: the common case of a list.
        while (end - p >= 8) {
            std::uint64_t word;
            std::copy(p, p + 8, reinterpret_cast<unsigned char*>(&word));
            if ((word & 0x8080808080808080ULL) != 0) break;
            p += 8;
        }
        if (p == end) break;
        if (*p < 0x80) {
            ++p;
            continue;
        }
        char32_t cp = 0;
        const int length = DecodeUtf8(p, end, cp);
        if (length == 0) return false;
        p += length;
    }
    return true;
}

std::string UserLanguage() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value == nullptr || *value == '\0') continue;
        std::string locale(value);
        const std::size_t end = locale.find_first_of("_.@-");
        std::string language = locale.substr(0, end);
        if (language == "C" || language == "POSIX") return {};
        return language;
    }
    return {};
}

std::vector<std::string> CodePagesOfLanguage(std::string_view language) {
    struct Family {
        std::vector<std::string_view> languages;
        std::vector<std::string> pages;
    };
    static const std::vector<Family> families = {
        {{"pl", "cs", "sk", "hu", "sl", "hr", "ro", "sq", "bs"}, {"windows-1250", "ISO-8859-2"}},
        {{"ru", "uk", "be", "bg", "mk", "sr", "kk", "ky", "tg", "mn"},
         {"windows-1251", "KOI8-R", "ISO-8859-5", "IBM866"}},
        {{"el"}, {"windows-1253", "ISO-8859-7"}},
        {{"tr", "az"}, {"windows-1254", "ISO-8859-9"}},
        {{"he", "yi"}, {"windows-1255", "ISO-8859-8"}},
        {{"ar", "fa", "ur"}, {"windows-1256", "ISO-8859-6"}},
        {{"lt", "lv", "et"}, {"windows-1257", "ISO-8859-13"}},
        {{"vi"}, {"windows-1258"}},
        {{"th"}, {"windows-874"}},
    };
    for (const Family& family : families) {
        if (std::find(family.languages.begin(), family.languages.end(), language) !=
            family.languages.end()) {
            return family.pages;
        }
    }
    return {"windows-1252"};
}

namespace {

// The detector names a Windows code page's ISO sibling when the bytes lack its C1 range; both
// stand for the same family of text.
std::string FamilyOf(std::string_view detected) {
    static const std::map<std::string_view, std::string_view> usual = {
        {"ISO-8859-1", "windows-1252"}, {"ISO-8859-2", "windows-1250"},
        {"ISO-8859-7", "windows-1253"}, {"ISO-8859-9", "windows-1254"},
        {"ISO-8859-8", "windows-1255"}, {"ISO-8859-8-I", "windows-1255"},
        {"ISO-8859-6", "windows-1256"}};
    const auto found = usual.find(detected);
    return std::string(found == usual.end() ? detected : found->second);
}

// Letters less everything else among the characters past ASCII: text in the right code page
// reads as words, in a wrong one partly as signs and controls.
long LetterScore(const std::string& page, std::string_view sample) {
    long score = 0;
    WalkUtf8(
        CodePage::Named(page).decode(sample),
        [&](char32_t cp, std::string_view) {
            if (cp >= 0x80) score += u_isalpha(static_cast<UChar32>(cp)) ? 1 : -1;
        },
        [&](unsigned char) { --score; });
    return score;
}

// Lines that hold bytes past ASCII, the only ones that tell code pages apart.
std::string SampleOf(std::string_view bytes) {
    constexpr std::size_t kSample = 32 * 1024;
    std::string sample;
    std::size_t at = 0;
    while (at < bytes.size() && sample.size() < kSample) {
        std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = bytes.substr(at, end - at + (end < bytes.size() ? 1 : 0));
        if (std::any_of(line.begin(), line.end(), [](char c) { return (c & 0x80) != 0; })) {
            sample.append(line);
        }
        at = end + 1;
    }
    return sample;
}

}  // namespace

std::string GuessCodePage(std::string_view bytes, std::string_view language) {
    const std::vector<std::string> pages = CodePagesOfLanguage(language);
    const auto plausible = [&](const std::string& page) {
        return std::find(pages.begin(), pages.end(), page) != pages.end();
    };
    const std::string sample = SampleOf(bytes);
    std::string family;
    UErrorCode error = U_ZERO_ERROR;
    UCharsetDetector* detector = ucsdet_open(&error);
    if (U_SUCCESS(error)) {
        ucsdet_setText(detector, sample.data(), static_cast<int32_t>(sample.size()), &error);
        int32_t found = 0;
        const UCharsetMatch** matches = ucsdet_detectAll(detector, &found, &error);
        for (int32_t i = 0; U_SUCCESS(error) && i < found && family.empty(); ++i) {
            UErrorCode nameError = U_ZERO_ERROR;
            const char* name = ucsdet_getName(matches[i], &nameError);
            if (U_SUCCESS(nameError) && name != nullptr && plausible(FamilyOf(name))) {
                family = FamilyOf(name);
            }
        }
        ucsdet_close(detector);
    }
    if (family.empty()) family = pages.front();
    // A Windows code page and its ISO sibling share most letters; where they differ, the one
    // that reads more of the bytes as letters wins, the Windows one on a tie.
    for (const std::string& page : pages) {
        if (page == family || !page.starts_with("ISO-8859-") || FamilyOf(page) != family) continue;
        if (LetterScore(page, sample) > LetterScore(family, sample)) return page;
    }
    return family;
}

const std::vector<std::string>& CommonCodePages() {
    static const std::vector<std::string> pages = {
        "windows-1252", "windows-1250", "windows-1251", "windows-1253", "windows-1254",
        "windows-1257", "ISO-8859-1",   "ISO-8859-15",  "ISO-8859-2",   "KOI8-R",
        "IBM437",       "IBM850",       "Shift_JIS",    "GB18030",      "Big5"};
    return pages;
}

std::vector<std::string> AllEncodings() {
    std::vector<std::string> names;
    const int32_t count = ucnv_countAvailable();
    for (int32_t i = 0; i < count; ++i) {
        const char* canonical = ucnv_getAvailableName(i);
        if (canonical != nullptr) names.push_back(DisplayName(canonical));
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

}  // namespace pendara
