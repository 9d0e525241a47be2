#include "batch/text_primitives.h"

#include <algorithm>

#include "list/utf8.h"

namespace pendara {

std::string MiddlePart(std::string_view s, std::int64_t start, std::int64_t count) {
    if (count <= 0 || s.empty()) return {};
    if (start < 1) start = 1;
    const std::size_t from = ByteOffsetOfChar(s, static_cast<std::size_t>(start - 1));
    if (from >= s.size()) return {};
    const std::string_view rest = s.substr(from);
    return std::string(rest.substr(0, ByteOffsetOfChar(rest, static_cast<std::size_t>(count))));
}

std::string LeftPart(std::string_view s, std::int64_t n) { return MiddlePart(s, 1, n); }

std::string RightPart(std::string_view s, std::int64_t n) {
    if (n <= 0) return {};
    const auto length = static_cast<std::int64_t>(CharCount(s));
    return MiddlePart(s, length + 1 - n, n);
}

std::size_t FindWhole(std::string_view s, std::string_view needle, std::size_t from) {
    if (needle.empty()) return std::string_view::npos;
    for (std::size_t at = s.find(needle, from); at != std::string_view::npos;
         at = s.find(needle, at + 1)) {
        if (IsCharBoundary(s, at) && IsCharBoundary(s, at + needle.size())) return at;
    }
    return std::string_view::npos;
}

int FirstPos(std::string_view needle, std::string_view s) {
    if (needle.empty() || s.empty()) return 0;
    const std::size_t at = FindWhole(s, needle);
    if (at == std::string_view::npos) return 0;
    return static_cast<int>(CharCount(s.substr(0, at)) + 1);
}

std::string ReplaceEvery(std::string_view s, std::string_view old, std::string_view replacement) {
    std::size_t at = FindWhole(s, old);
    if (at == std::string_view::npos) return std::string(s);
    std::string result;
    result.reserve(s.size() + (replacement.size() > old.size() ? s.size() / 2 : 0));
    std::size_t done = 0;
    while (at != std::string_view::npos) {
        result.append(s.substr(done, at - done));
        result.append(replacement);
        done = at + old.size();
        at = FindWhole(s, old, done);
    }
    result.append(s.substr(done));
    return result;
}

std::string_view TrimLeading(std::string_view s) {
    const auto first = std::find_if_not(s.begin(), s.end(), IsBlank);
    return s.substr(static_cast<std::size_t>(first - s.begin()));
}

std::string_view TrimTrailing(std::string_view s) {
    std::size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1])) --end;
    return s.substr(0, end);
}

std::string_view TrimBlanks(std::string_view s) { return TrimTrailing(TrimLeading(s)); }

std::string LowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return out;
}

std::string ApplyCaseMode(std::string_view s, int mode) {
    return mode == 1 ? LowerAscii(s) : std::string(s);
}

}  // namespace pendara
