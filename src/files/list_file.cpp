#include "files/list_file.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <utility>

#include "files/code_page.h"
#include "list/line_list.h"
#include "os/file_descriptor.h"
#include "os/read_all.h"
#include "os/replace_file.h"
#include "os/system_reason.h"
#include "text/cancel_point.h"
#include "text/failure.h"
#include "text/line_breaks.h"
#include "text/utf8.h"

namespace pendara {

std::size_t HeldInputLimit() {
    static const std::size_t limit = [] {
        const long pages = ::sysconf(_SC_PHYS_PAGES), pageSize = ::sysconf(_SC_PAGESIZE);
        std::size_t memory = pages > 0 && pageSize > 0 ? static_cast<std::size_t>(pages) *
                                                             static_cast<std::size_t>(pageSize)
                                                       : std::size_t{1} << 32;
        for (const int resource : {RLIMIT_AS, RLIMIT_DATA}) {
            rlimit bound{};
            if (::getrlimit(resource, &bound) == 0 && bound.rlim_cur != RLIM_INFINITY) {
                memory = std::min<std::size_t>(memory, bound.rlim_cur);
            }
        }
        return memory / 4;
    }();
    return limit;
}

namespace {

[[noreturn]] void FailOpen(const std::string& path, int error) {
    throw Failure(
        FormatMessage("Cannot open file \"%s\". %s", {FullPath(path), SystemReason(error)}));
}

[[noreturn]] void FailCreate(const std::string& path, int error) {
    throw Failure(
        FormatMessage("Cannot create file \"%s\". %s", {FullPath(path), SystemReason(error)}));
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
        CancelPointEvery(i);
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
    if (bytes.size() % 2 != 0) AppendUtf8(out, 0xFFFD);
    return out;
}

std::string Utf8ToUtf16(std::string_view text, bool bigEndian) {
    std::string out;
    out.reserve(2 * text.size());
    const auto unit = [&](char32_t u) {
        const auto high = static_cast<char>(u >> 8);
        const auto low = static_cast<char>(u & 0xFF);
        out.push_back(bigEndian ? high : low);
        out.push_back(bigEndian ? low : high);
    };
    const auto character = [&](char32_t cp) {
        if (cp >= 0x10000) {
            unit(0xD800 + ((cp - 0x10000) >> 10));
            unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            unit(cp);
        }
    };
    WalkUtf8(
        text, [&](char32_t cp, std::string_view) { character(cp); },
        [&](unsigned char stray) { character(stray); });
    return out;
}

std::string GuessListEncoding(std::string_view bytes) {
    return IsValidUtf8(bytes) ? std::string() : GuessCodePage(bytes, UserLanguage());
}

std::string DecodeListText(std::string bytes, std::string_view encoding) {
    const auto starts = [&](std::string_view mark) { return bytes.starts_with(mark); };
    if (starts("\xFF\xFE")) return Utf16ToUtf8(std::string_view(bytes).substr(2), false);
    if (starts("\xFE\xFF")) return Utf16ToUtf8(std::string_view(bytes).substr(2), true);
    if (starts("\xEF\xBB\xBF")) bytes.erase(0, 3);
    if (encoding.empty()) return bytes;
    const std::string page =
        encoding == kGuessEncoding ? GuessListEncoding(bytes) : std::string(encoding);
    if (page.empty()) return bytes;
    const CodePage& codePage = CodePage::Named(page);
    // UTF-8 is the list's own: its stray bytes stay as they are.
    return codePage.name() == "UTF-8" ? bytes : codePage.decode(bytes);
}

std::string MainListTextOf(std::string bytes) {
    return EncodeListText(DecodeListText(std::move(bytes)), FileForm{});
}

std::string EncodeListText(std::string_view text, const FileForm& form) {
    const std::string_view lineEnd = form.lineEnd == FileForm::LineEnd::CrLf ? "\r\n"
                                     : form.lineEnd == FileForm::LineEnd::Lf ? "\n"
                                                                             : "\r";
    const bool finalBreak = form.finalBreak == FileForm::FinalBreak::Yes ||
                            (form.finalBreak == FileForm::FinalBreak::AsHeld && !text.empty() &&
                             IsBreakByte(text.back()));
    std::string body;
    body.reserve(text.size() + text.size() / 16 + 2);
    LineCursor cursor(text);
    bool any = false;
    bool lastEmpty = false;
    for (std::string_view line; cursor.next(line); any = true) {
        if (any) body.append(lineEnd);
        body.append(line);
        lastEmpty = line.empty();
    }
    if (any && (finalBreak || lastEmpty)) body.append(lineEnd);
    switch (form.encoding) {
        case FileForm::Encoding::Plain:
            return body;
        case FileForm::Encoding::Utf8Mark:
            return "\xEF\xBB\xBF" + body;
        case FileForm::Encoding::Utf16Le:
            return "\xFF\xFE" + Utf8ToUtf16(body, false);
        case FileForm::Encoding::Utf16Be:
            return "\xFE\xFF" + Utf8ToUtf16(body, true);
        case FileForm::Encoding::CodePage: {
            const CodePage& page = CodePage::Named(form.codePage);
            std::string bytes;
            if (const auto unmappable = page.encode(body, bytes)) {
                const std::string_view before =
                    std::string_view(body).substr(0, unmappable->offset);
                const char counted = form.lineEnd == FileForm::LineEnd::Cr ? '\r' : '\n';
                const auto line =
                    static_cast<std::size_t>(std::count(before.begin(), before.end(), counted) + 1);
                throw UnmappableCharacter(page.name(), line, unmappable->character);
            }
            return bytes;
        }
    }
    return body;
}

std::string ReadListFile(const std::string& path, const ListFileSource& source) {
    return DecodeListText(ReadListFileBytes(path, source), source.encoding);
}

std::string ReadListFileBytes(const std::string& path, const ListFileSource& source) {
    // Without streams, O_NONBLOCK keeps open() from waiting for a FIFO's writer; a regular file
    // reads the same either way.
    FileDescriptor fd(
        ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (source.streams ? 0 : O_NONBLOCK)));
    if (fd.get() < 0) FailOpen(path, errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) FailOpen(path, errno);
    if (S_ISDIR(info.st_mode)) FailOpen(path, EISDIR);
    const bool regular = S_ISREG(info.st_mode);
    if (!regular && !source.streams) {
        throw Failure(
            FormatMessage("Cannot open file \"%s\". It is not a regular file", {FullPath(path)}));
    }
    if (regular && static_cast<std::uintmax_t>(info.st_size) > source.limit) {
        throw Failure("Text exceeds memo capacity");
    }

    std::string bytes;
    try {
        bytes.reserve(regular ? static_cast<std::size_t>(info.st_size) : 0);
        if (const int error = ReadAll(fd.get(), bytes, source.limit); error != 0) {
            FailOpen(path, error);
        }
    } catch (const std::bad_alloc&) {
        throw Failure("Text exceeds memo capacity");
    }
    if (bytes.size() > source.limit) throw Failure("Text exceeds memo capacity");
    return bytes;
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
