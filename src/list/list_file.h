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

// The absolute, normalised form of `path`, as file messages show it.
std::string FullPath(const std::string& path);

}  // namespace pendara
