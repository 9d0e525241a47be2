#include "keys/key_text.h"

#include "text/utf8.h"

namespace pendara {

namespace {

std::string_view FieldBySeparator(std::string_view line, int field, std::string_view separator) {
    if (field > 0) {
        std::size_t start = 0;
        for (int f = 1; f < field; ++f) {
            const std::size_t at = line.find(separator, start);
            if (at == std::string_view::npos) return {};
            start = at + separator.size();
        }
        const std::size_t end = line.find(separator, start);
        return line.substr(start,
                           end == std::string_view::npos ? line.size() - start : end - start);
    }
    std::size_t end = line.size();
    for (int f = -1; f > field; --f) {
        if (end < separator.size()) return {};
        const std::size_t at = line.rfind(separator, end - separator.size());
        if (at == std::string_view::npos) return {};
        end = at;
    }
    std::size_t start = 0;
    if (end >= separator.size()) {
        const std::size_t at = line.rfind(separator, end - separator.size());
        if (at != std::string_view::npos) start = at + separator.size();
    }
    return line.substr(start, end - start);
}

std::string_view FieldByBlanks(std::string_view line, int field) {
    if (field > 0) {
        std::size_t i = 0;
        for (int f = 1;; ++f) {
            while (i < line.size() && IsKeyBlank(line[i])) ++i;
            if (i == line.size()) return {};
            const std::size_t start = i;
            while (i < line.size() && !IsKeyBlank(line[i])) ++i;
            if (f == field) return line.substr(start, i - start);
        }
    }
    std::size_t i = line.size();
    for (int f = -1;; --f) {
        while (i > 0 && IsKeyBlank(line[i - 1])) --i;
        if (i == 0) return {};
        const std::size_t end = i;
        while (i > 0 && !IsKeyBlank(line[i - 1])) --i;
        if (f == field) return line.substr(i, end - i);
    }
}

// Byte offset `count` characters on from `from`, or the line's size.
std::size_t SkipCharacters(std::string_view line, std::size_t from, std::size_t count) {
    std::size_t at = from;
    for (; count > 0 && at < line.size(); --count) {
        at += static_cast<unsigned char>(line[at]) < 0x80 ? 1 : CharLengthAt(line, at);
    }
    return at;
}

}  // namespace

std::string_view FieldOf(std::string_view line, int field, std::string_view separator) {
    if (field == 0) return {};
    return separator.empty() ? FieldByBlanks(line, field)
                             : FieldBySeparator(line, field, separator);
}

std::string_view CharactersOf(std::string_view line, std::size_t first, std::size_t last) {
    if (first == 0) first = 1;
    const std::size_t start = SkipCharacters(line, 0, first - 1);
    if (last == 0) return line.substr(start);
    if (last < first) return {};
    const std::size_t end = SkipCharacters(line, start, last - first + 1);
    return line.substr(start, end - start);
}

std::string_view KeyTextOf(std::string_view line, const KeySpec& keyForm,
                           std::string_view separator) {
    switch (keyForm.part) {
        case KeySpec::Part::Field:
            return FieldOf(line, keyForm.field, separator);
        case KeySpec::Part::Columns:
            return CharactersOf(line, keyForm.first, keyForm.last);
        case KeySpec::Part::Line:
            break;
    }
    return line;
}

std::string_view NormalizeKey(std::string_view key, bool trim, bool squeeze, std::string& scratch) {
    if (trim) {
        std::size_t start = 0, end = key.size();
        while (start < end && IsKeyBlank(key[start])) ++start;
        while (end > start && IsKeyBlank(key[end - 1])) --end;
        key = key.substr(start, end - start);
    }
    if (!squeeze) return key;
    // Most keys hold only single spaces, or no blanks at all: those stay views.
    std::size_t i = 0;
    for (; i < key.size(); ++i) {
        if (IsKeyBlank(key[i]) &&
            (key[i] != ' ' || (i + 1 < key.size() && IsKeyBlank(key[i + 1])))) {
            break;
        }
    }
    if (i == key.size()) return key;
    scratch.assign(key.substr(0, i));
    while (i < key.size()) {
        if (!IsKeyBlank(key[i])) {
            scratch.push_back(key[i++]);
            continue;
        }
        scratch.push_back(' ');
        while (i < key.size() && IsKeyBlank(key[i])) ++i;
    }
    return scratch;
}

}  // namespace pendara
