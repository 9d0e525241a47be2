#include "list/list_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <utility>

#include "list/failure.h"
#include "os/file_descriptor.h"
#include "os/read_all.h"
#include "os/replace_file.h"
#include "os/system_reason.h"

namespace pendara {

namespace {

[[noreturn]] void FailOpen(const std::string& path, int error) {
    throw Failure(
        FormatMessage("Cannot open file \"%s\". %s", {FullPath(path), SystemReason(error)}));
}

[[noreturn]] void FailCreate(const std::string& path, int error) {
    throw Failure(
        FormatMessage("Cannot create file \"%s\". %s", {FullPath(path), SystemReason(error)}));
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

}  // namespace

std::string FullPath(const std::string& path) {
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    if (ec) return path;
    return full.lexically_normal().string();
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](std::size_t i) -> char16_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char16_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t u = unit(2 * i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const char16_t low = unit(2 * (i + 1));
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? char32_t{0xFFFD} : char32_t{u});
    }
    return out;
}

std::string DecodeListText(std::string bytes) {
    const auto starts = [&](std::string_view mark) { return bytes.starts_with(mark); };
    if (starts("\xFF\xFE")) return Utf16ToUtf8(std::string_view(bytes).substr(2), false);
    if (starts("\xFE\xFF")) return Utf16ToUtf8(std::string_view(bytes).substr(2), true);
    if (starts("\xEF\xBB\xBF")) bytes.erase(0, 3);
    return bytes;
}

std::string ReadListFile(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) FailOpen(path, errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) FailOpen(path, errno);
    if (S_ISDIR(info.st_mode)) FailOpen(path, EISDIR);

    std::string bytes;
    bytes.reserve(S_ISREG(info.st_mode) ? static_cast<std::size_t>(info.st_size) : 0);
    if (const int error = ReadAll(fd.get(), bytes); error != 0) FailOpen(path, error);
    return DecodeListText(std::move(bytes));
}

void WriteListFile(const std::string& path, std::string_view text) {
    const FileReplacement written = ReplaceFileContents(path, text);
    switch (written.failedAt) {
        case FileReplacement::Done:
            return;
        case FileReplacement::Write:
            throw Failure("Stream write error");
        case FileReplacement::Create:
        case FileReplacement::Rename:
            FailCreate(path, written.error);
    }
}

}  // namespace pendara
