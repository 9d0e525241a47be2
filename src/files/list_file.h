#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

#include "files/file_form.h"

namespace pendara {

// Plain-text list files: bytes in, bytes out, never re-encoded, with two exceptions on reading:
// a file that begins with a UTF-16 byte-order mark is decoded to UTF-8, and a UTF-8 byte-order
// mark is dropped so it never becomes part of the first line. The file's form (FileForm) says
// how to write the text back.

// The most text the Main List holds: the editor counts its bytes in an int.
constexpr std::size_t kMainListCapacity = std::numeric_limits<int>::max();

// The most input held at once, a whole list or one line: a quarter of the memory the program may
// have (the machine's, or less under an address-space or data limit), which leaves room for a
// buffer that doubles and for what a command makes of the list. An endless source thus ends in
// "Text exceeds memo capacity" instead of the system killing the program.
std::size_t HeldInputLimit();

// What a list file may be and how much of it is read.
struct ListFileSource {
    // FIFOs and devices too, read to their end as a shell command would. Without this only a
    // regular file is read: a FIFO without a writer would hold the window up for ever.
    bool streams = false;
    // Past this many bytes reading fails with "Text exceeds memo capacity", so that an endless
    // source ends in a message instead of exhausting memory.
    std::size_t limit = kMainListCapacity;
    // How a file without a byte-order mark is decoded: empty keeps its bytes as they are,
    // kGuessEncoding applies the window's rule (GuessListEncoding), and any other value names
    // a code page.
    std::string encoding = {};
};

inline constexpr std::string_view kGuessEncoding = "auto";

// The code page of a list file's `bytes` that carry no byte-order mark by the window's rule:
// none (empty) when they are valid UTF-8, pure ASCII included, else the guess for the user's
// language.
std::string GuessListEncoding(std::string_view bytes);

// The whole file as text. Fails with "Cannot open file \"%s\". %s" (full path, system reason),
// or "Cannot open file \"%s\". It is not a regular file" for what `source` does not take.
std::string ReadListFile(const std::string& path, const ListFileSource& source = {});
// The whole file's bytes as they are; fails as ReadListFile does.
std::string ReadListFileBytes(const std::string& path, const ListFileSource& source = {});

// Decodes the byte-order marks described above; other bytes are returned as they are, or
// decoded from `encoding` as ListFileSource says.
std::string DecodeListText(std::string bytes, std::string_view encoding = {});

// The Main List's text for a list file's bytes: decoded as above, every break CR LF, with a
// final break only where the file has one. A NUL is a character of its line like any other.
std::string MainListTextOf(std::string bytes);

// The Main List's `text` (breaks CR LF, or any break) as the bytes of a file of `form`: its
// mark, its break after every line but the last, and after the last as the form says, or
// always where the last line is empty, which a file without that break would lose. Bytes that
// are not UTF-8 go to UTF-16 as the Latin-1 characters with their codes. Fails with
// UnmappableCharacter where the form's code page cannot hold a character.
std::string EncodeListText(std::string_view text, const FileForm& form);

// UTF-16 code units (little- or big-endian) to UTF-8; a lone surrogate, and a last byte
// without its pair, becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);
// UTF-8 to UTF-16 code units, without a mark; a stray byte is the Latin-1 character of its code.
std::string Utf8ToUtf16(std::string_view text, bool bigEndian);

// Replaces `path` with `text` only once every byte is safely written to a temporary file beside
// it, so a failed save never destroys the old file. A link is written through to its target.
// Fails with "Cannot create file \"%s\". %s" or "Stream write error".
void WriteListFile(const std::string& path, std::string_view text);

// The absolute, normalised form of `path`, as file messages show it.
std::string FullPath(const std::string& path);

}  // namespace pendara
