#include "shaping/case_mapper.h"

#include <unicode/casemap.h>
#include <unicode/ucasemap.h>
#include <unicode/uloc.h>

#include <cassert>
#include <cstdlib>
#include <cstring>

#include "text/ascii.h"
#include "text/failure.h"

namespace pendara {

namespace {

// `word` with every byte `from` to `from` + 25 (a to z, or A to Z) in the other case.
inline std::uint64_t FlipAsciiWord(std::uint64_t word, char from) {
    const char to = static_cast<char>(from + 25);
    const std::uint64_t low7 = word & (0x7F * kEveryByte);
    const std::uint64_t atLeast = low7 + static_cast<std::uint64_t>(0x80 - from) * kEveryByte;
    const std::uint64_t above = low7 + static_cast<std::uint64_t>(0x7F - to) * kEveryByte;
    const std::uint64_t hit = atLeast & ~above & ~word & (0x80 * kEveryByte);
    return word ^ (hit >> 2);
}

// Appends `line`, plain ASCII, with the letters from..from+25 flipped, eight bytes at a time.
void AppendAsciiFlipped(std::string& out, std::string_view line, char from) {
    const std::size_t start = out.size();
    out.resize(start + line.size());
    char* const to = out.data() + start;
    std::size_t at = 0;
    for (; at + 8 <= line.size(); at += 8) {
        const std::uint64_t word = FlipAsciiWord(LoadWord(line.data() + at), from);
        std::memcpy(to + at, &word, 8);
    }
    for (; at < line.size(); ++at) {
        const char c = line[at];
        to[at] = c >= from && c <= from + 25 ? static_cast<char>(c ^ 0x20) : c;
    }
}

// The length of the run of whole lines at the start of `text` before the first byte that is
// not ASCII or is a CR.
std::size_t AsciiLinesWithoutCr(std::string_view text) {
    if (text.empty()) return 0;  // memrchr takes no null pointer, even for no bytes
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        const std::uint64_t word = LoadWord(text.data() + at);
        if (HasNonAscii(word) || ZeroBytes(word ^ ('\r' * kEveryByte)) != 0) break;
    }
    while (at < text.size() && (text[at] & 0x80) == 0 && text[at] != '\r') ++at;
    const void* lastLf = memrchr(text.data(), '\n', at);
    return lastLf == nullptr
               ? 0
               : static_cast<std::size_t>(static_cast<const char*>(lastLf) + 1 - text.data());
}

constexpr std::size_t kLongestLine = std::size_t{1} << 30;

bool IsAscii(std::string_view line) {
    std::size_t at = 0;
    for (; at + 8 <= line.size(); at += 8) {
        if (HasNonAscii(LoadWord(line.data() + at))) return false;
    }
    for (; at < line.size(); ++at) {
        if (static_cast<unsigned char>(line[at]) >= 0x80) return false;
    }
    return true;
}

}  // namespace

// The locale of the user's character rules, as the C library picks it (LC_ALL, LC_CTYPE,
// LANG), in ICU's form: "tr_TR.UTF-8" is "tr_TR"; C and POSIX are the root.
std::string UserCaseLocale() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0') continue;
        std::string locale(value, std::strcspn(value, ".@"));
        return locale == "C" || locale == "POSIX" ? "" : locale;
    }
    return "";
}

CaseMapper::CaseMapper(CaseMode mode, const char* locale) : mode_(mode) {
    const std::string userLocale = locale == nullptr ? UserCaseLocale() : std::string();
    if (locale == nullptr) locale = userLocale.c_str();
    // Sentence case is title case with the whole line as one word.
    const uint32_t options = mode == CaseMode::Sentence ? U_TITLECASE_WHOLE_STRING : 0;
    UErrorCode status = U_ZERO_ERROR;
    map_ = ucasemap_open(locale, options, &status);
    if (U_FAILURE(status)) throw Failure("Cannot open the case mapping");
    char language[ULOC_LANG_CAPACITY] = {};
    status = U_ZERO_ERROR;
    uloc_getLanguage(locale, language, sizeof language, &status);
    asciiStaysAscii_ = std::strcmp(language, "tr") != 0 && std::strcmp(language, "az") != 0;
}

CaseMapper::~CaseMapper() { ucasemap_close(map_); }

std::size_t CaseMapper::appendAsciiLines(std::string& out, std::string_view text) const {
    assert(mapsAsciiByteForByte());
    const std::size_t taken = AsciiLinesWithoutCr(text);
    AppendAsciiFlipped(out, text.substr(0, taken), mode_ == CaseMode::Upper ? 'a' : 'A');
    return taken;
}

void CaseMapper::append(std::string& out, std::string_view line) const {
    if (mapsAsciiByteForByte() && IsAscii(line)) {
        return AppendAsciiFlipped(out, line, mode_ == CaseMode::Upper ? 'a' : 'A');
    }
    // ICU counts in int32_t; a longer line would be read as ending at its first NUL.
    if (line.size() > kLongestLine) throw Failure("A line is too long to change its case");
    const std::size_t start = out.size();
    const auto map = [&](std::size_t room, UErrorCode& status) {
        out.resize(start + room);
        char* const to = out.data() + start;
        const auto capacity = static_cast<int32_t>(room);
        const auto length = static_cast<int32_t>(line.size());
        switch (mode_) {
            case CaseMode::Upper:
                return ucasemap_utf8ToUpper(map_, to, capacity, line.data(), length, &status);
            case CaseMode::Lower:
                return ucasemap_utf8ToLower(map_, to, capacity, line.data(), length, &status);
            case CaseMode::Title:
            case CaseMode::Sentence:
                break;
        }
        return ucasemap_utf8ToTitle(map_, to, capacity, line.data(), length, &status);
    };
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = map(line.size() + line.size() / 2 + 16, status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        status = U_ZERO_ERROR;
        length = map(static_cast<std::size_t>(length) + 1, status);
    }
    if (U_FAILURE(status)) throw Failure("Cannot change the case of a line");
    out.resize(start + static_cast<std::size_t>(length));
}

}  // namespace pendara
