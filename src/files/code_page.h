#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_form.h"
#include "text/failure.h"

namespace pendara {

// A legacy encoding of list files, one of ICU's converters: Windows-1252 and its kin, the
// ISO 8859 family, KOI8, and the multi-byte ones too. The Main List holds UTF-8; a code page
// turns a file's bytes into that text and back.
//
// Single-byte code pages work from a table of all 256 bytes, so any bytes give the same bytes
// back: a byte the code page leaves undefined becomes a stray byte of the text, and goes back
// as itself.
class CodePage {
public:
    // The code page ICU knows by `name` or an alias of it, shared and never released. Fails with
    // "Unknown encoding \"%s\"" for a name ICU does not know.
    static const CodePage& Named(std::string_view name);

    // The name users know it by ("windows-1252", "ISO-8859-15", "KOI8-R").
    const std::string& name() const { return name_; }
    bool singleByte() const { return singleByte_; }

    // Whether ASCII bytes stand for themselves, CR and LF among them.
    bool keepsAscii() const;

    // The UTF-8 text of `bytes`. `breaks`, when given to a single-byte code page that keeps
    // ASCII, receives the text's breaks, counted on the way.
    std::string decode(std::string_view bytes, BreakCounts* breaks = nullptr) const;

    // Where `text` first holds a character the code page cannot: its byte offset and code point.
    struct Unmappable {
        std::size_t offset = 0;
        char32_t character = 0;
    };
    // `text` in the code page's bytes, or the first character it cannot hold.
    std::optional<Unmappable> encode(std::string_view text, std::string& bytes) const;

    explicit CodePage(std::string_view name);
    ~CodePage();
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

private:
    struct Table;
    std::string name_;
    std::string converter_;
    bool singleByte_ = false;
    std::unique_ptr<Table> table_;
};

// Saving a list in a code page that cannot hold one of its characters.
class UnmappableCharacter : public Failure {
public:
    // `line` counts from 1.
    UnmappableCharacter(const std::string& encoding, std::size_t line, char32_t character);
    std::size_t line() const { return line_; }
    char32_t character() const { return character_; }

private:
    std::size_t line_;
    char32_t character_;
};

// "U+20AC"
std::string CodePointName(char32_t character);

// Whether `bytes` are valid UTF-8 throughout (pure ASCII is).
bool IsValidUtf8(std::string_view bytes);

// The language of the user's locale ("de", "pl"), from the first of LC_ALL, LC_CTYPE and LANG
// that is set; empty for C and POSIX.
std::string UserLanguage();

// The single-byte code pages plausible for `language`, its usual one first; Windows-1252's
// family for a language not known here.
std::vector<std::string> CodePagesOfLanguage(std::string_view language);

// The code page of `bytes`, which are not UTF-8, among those plausible for `language`: ICU's
// charset detector's best guess among them, else the language's usual one.
std::string GuessCodePage(std::string_view bytes, std::string_view language);

// The code pages a user picks from first, most used first.
const std::vector<std::string>& CommonCodePages();
// Every converter ICU has, by the names users know them by, sorted.
std::vector<std::string> AllEncodings();

}  // namespace pendara
