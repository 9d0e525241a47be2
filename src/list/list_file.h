#pragma once

#include <string>
#include <string_view>

namespace pendara {

// Plain-text list files: bytes in, bytes out, never re-encoded, with two exceptions on reading:
// a file that begins with a UTF-16 byte-order mark is decoded to UTF-8, and a UTF-8 byte-order
// mark is dropped so it never becomes part of the first line.

// The whole file as text. Fails with "Cannot open file \"%s\". %s" (full path, system reason).
std::string ReadListFile(const std::string& path);

// Decodes the byte-order marks described above; other bytes are returned as they are.
std::string DecodeListText(std::string bytes);

// UTF-16 code units (little- or big-endian) to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

// Replaces `path` with `text` only once every byte is safely written to a temporary file beside
// it, so a failed save never destroys the old file. A link is written through to its target.
// Fails with "Cannot create file \"%s\". %s" or "Stream write error".
void WriteListFile(const std::string& path, std::string_view text);

// How replacing a file's contents ended: which step failed, with its errno value.
struct FileReplacement {
    enum Step { Done, Create, Write, Rename } failedAt = Done;
    int error = 0;
    // The path that was written: a link is followed to the file it names.
    std::string target;
};

// Writes `text` to a new file beside `path` and renames it over `path` only once every byte is
// on disk, so a failure at any step leaves the old file whole and no temporary file behind.
// The new file gets `mode`; a negative mode keeps an existing file's permissions and gives a new
// one the usual permissions (0666 less the umask).
FileReplacement ReplaceFileContents(const std::string& path, std::string_view text, int mode = -1);

// The absolute, normalised form of `path`, as file messages show it.
std::string FullPath(const std::string& path);

// The system's text for an errno value, without trailing blanks, line breaks and full stops.
std::string SystemReason(int error);

}  // namespace pendara
