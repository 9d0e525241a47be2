#pragma once

#include <string>
#include <string_view>

struct UCaseMap;

namespace pendara {

enum class CaseMode {
    Upper,
    Lower,
    Title,     // the first letter of each word (by ICU's word breaks) upper, the rest lower
    Sentence,  // the first letter of the line upper, the rest lower
};

// Changes the case of lines by ICU's full case mappings for a locale: "ß" upper is "SS", a
// Greek capital sigma at the end of a word lowers to "ς", Turkish "i" uppers to "İ". Stray bytes
// pass through unchanged. Lines of plain ASCII take a shortcut where the locale maps ASCII to
// ASCII, which is every locale but Turkish and Azerbaijani.
class CaseMapper {
public:
    // `locale` is an ICU locale name ("tr_TR", "" for the root); nullptr for the user's locale
    // (LC_ALL, LC_CTYPE, LANG).
    explicit CaseMapper(CaseMode mode, const char* locale = nullptr);
    ~CaseMapper();
    CaseMapper(const CaseMapper&) = delete;
    CaseMapper& operator=(const CaseMapper&) = delete;

    // Appends `line` in the mapper's case to `out`. Not for two threads at once: title case
    // keeps its word-break iterator in the mapper.
    void append(std::string& out, std::string_view line) const;

    // Whether ASCII maps to ASCII byte for byte in this mode and locale: upper or lower case
    // anywhere but in Turkish and Azerbaijani.
    bool mapsAsciiByteForByte() const {
        return asciiStaysAscii_ && (mode_ == CaseMode::Upper || mode_ == CaseMode::Lower);
    }
    // For `text`, whole lines each ending in LF: appends the longest run of its first lines that
    // are plain ASCII without CR, mapped byte for byte, and returns the bytes taken; only where
    // mapsAsciiByteForByte(). The run's LFs stay LFs; the lines after it are left to append().
    // A list of ASCII lines is mapped a block at a time instead of a line at a time.
    std::size_t appendAsciiLines(std::string& out, std::string_view text) const;

private:
    CaseMode mode_;
    UCaseMap* map_;
    bool asciiStaysAscii_;
};

}  // namespace pendara
