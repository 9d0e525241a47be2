#include "list/list_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include "list/failure.h"
#include "list/file_descriptor.h"

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

std::string SystemReason(int error) {
    char buffer[256] = {};
    // The GNU strerror_r may return a static string instead of filling the buffer.
    const char* text = strerror_r(error, buffer, sizeof buffer);
    std::string reason = text != nullptr ? text : "";
    while (!reason.empty() &&
           (static_cast<unsigned char>(reason.back()) <= 32 || reason.back() == '.')) {
        reason.pop_back();
    }
    return reason;
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
    std::vector<char> chunk(1 << 20);
    for (;;) {
        const ssize_t got = ::read(fd.get(), chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            FailOpen(path, errno);
        }
        if (got == 0) break;
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
    return DecodeListText(std::move(bytes));
}

FileReplacement ReplaceFileContents(const std::string& path, std::string_view text, int mode) {
    FileReplacement result;
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::weakly_canonical(path, ec);
    result.target = ec ? path : target.string();
    const auto fail = [&](FileReplacement::Step step, int error) {
        result.failedAt = step;
        result.error = error;
        return result;
    };

    struct stat old {};
    const bool exists = ::stat(result.target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return fail(FileReplacement::Create, EISDIR);

    std::string temp = result.target + ".XXXXXX";
    FileDescriptor fd(::mkstemp(temp.data()));
    if (fd.get() < 0) return fail(FileReplacement::Create, errno);
    const auto discard = [&](FileReplacement::Step step, int error) {
        ::unlink(temp.c_str());
        return fail(step, error);
    };
    if (mode < 0) {
        if (exists) {
            mode = static_cast<int>(old.st_mode & 07777);
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode = static_cast<int>(0666 & ~mask);
        }
    }
    ::fchmod(fd.get(), static_cast<mode_t>(mode));

    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t put = ::write(fd.get(), p, left);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return discard(FileReplacement::Write, put < 0 ? errno : ENOSPC);
        p += put;
        left -= static_cast<std::size_t>(put);
    }
    if (::fsync(fd.get()) != 0 || ::close(fd.release()) != 0)
        return discard(FileReplacement::Write, errno);
    if (::rename(temp.c_str(), result.target.c_str()) != 0)
        return discard(FileReplacement::Rename, errno);
    return result;
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
