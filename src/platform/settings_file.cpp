#include "platform/settings_file.h"

#include <algorithm>
#include <utility>

#include "text/ascii.h"
#include "text/utf8.h"

namespace pendara {

namespace {

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

const char kHex[] = "0123456789abcdef";

void AppendHexByte(std::string& out, unsigned char c) {
    out += kHex[c >> 4];
    out += kHex[c & 15];
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Quoted, with the escapes of the format; valid UTF-8 stays readable, stray bytes are escaped.
std::string Quote(std::string_view text) {
    std::string out = "\"";
    const auto escape = [&](unsigned char c) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                if (IsControl(c) || c >= 0x80) {
                    out += "\\x";
                    AppendHexByte(out, c);
                } else {
                    out += static_cast<char>(c);
                }
        }
    };
    WalkUtf8(
        text,
        [&](char32_t cp, std::string_view character) {
            if (cp >= 0x80) {
                out.append(character);
            } else {
                escape(static_cast<unsigned char>(cp));
            }
        },
        escape);
    out += '"';
    return out;
}

class LineParser {
public:
    LineParser(std::string_view line, int number) : line_(line), number_(number) {}

    [[noreturn]] void fail(const std::string& what) const {
        throw StoreError("line " + std::to_string(number_) + ": " + what);
    }
    void skipBlanks() {
        while (at_ < line_.size() && (line_[at_] == ' ' || line_[at_] == '\t')) ++at_;
    }
    bool atEnd() const { return at_ >= line_.size(); }
    void expect(char c) {
        skipBlanks();
        if (atEnd() || line_[at_] != c) fail(std::string("expected '") + c + "'");
        ++at_;
    }
    std::string word() {
        skipBlanks();
        const std::size_t start = at_;
        while (at_ < line_.size() && line_[at_] >= 'a' && line_[at_] <= 'z') ++at_;
        return std::string(line_.substr(start, at_ - start));
    }
    std::string quoted() {
        expect('"');
        std::string out;
        for (;;) {
            if (atEnd()) fail("unterminated quote");
            const char c = line_[at_++];
            if (c == '"') return out;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (atEnd()) fail("unterminated quote");
            const char e = line_[at_++];
            switch (e) {
                case '\\':
                    out += '\\';
                    break;
                case '"':
                    out += '"';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 'x': {
                    const int high = at_ < line_.size() ? HexDigit(line_[at_]) : -1;
                    const int low = at_ + 1 < line_.size() ? HexDigit(line_[at_ + 1]) : -1;
                    if (high < 0 || low < 0) fail("bad \\x escape");
                    out += static_cast<char>(high * 16 + low);
                    at_ += 2;
                    break;
                }
                default:
                    fail(std::string("unknown escape \\") + e);
            }
        }
    }
    std::string hex() {
        skipBlanks();
        std::string out;
        while (at_ + 1 < line_.size() && HexDigit(line_[at_]) >= 0 &&
               HexDigit(line_[at_ + 1]) >= 0) {
            out += static_cast<char>(HexDigit(line_[at_]) * 16 + HexDigit(line_[at_ + 1]));
            at_ += 2;
        }
        return out;
    }
    void expectEnd() {
        skipBlanks();
        if (!atEnd()) fail("unexpected text after the value");
    }

private:
    std::string_view line_;
    int number_;
    std::size_t at_ = 0;
};

std::string_view TrimLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
        line.remove_suffix(1);
    }
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    return line;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The line of a value as this program writes it.
std::string ValueLine(std::string_view name, const StoredValue& value) {
    std::string out = Quote(name);
    switch (value.type) {
        case StoredValue::Type::Text:
            out += " = text " + Quote(value.data);
            break;
        case StoredValue::Type::ExpandableText:
            out += " = expandable " + Quote(value.data);
            break;
        case StoredValue::Type::Binary:
            out += " = binary ";
            for (char c : value.data) AppendHexByte(out, static_cast<unsigned char>(c));
            break;
    }
    return out;
}

const char* const kHeader[] = {
    "; Pendara settings. Each [key] is followed by its values in the order they were created:",
    ";   \"name\" = text \"...\", expandable \"...\" or binary HEX.",
    ("; Inside quotes \\\\ \\\" \\t \\n \\r and \\xHH are escapes. Lines starting with ; or # "
     "are comments."),
};

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldAscii(x) == FoldAscii(y);
           });
}

bool IsValidKeyPath(std::string_view path) {
    if (path.empty()) return true;
    std::size_t partStart = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\') {
            if (i == partStart) return false;
            partStart = i + 1;
        } else if (IsControl(static_cast<unsigned char>(path[i]))) {
            return false;
        }
    }
    return true;
}

SettingsFile SettingsFile::Parse(std::string_view text) {
    SettingsFile file;
    // Some editors put a byte-order mark in front; it is kept for the next write.
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        file.byteOrderMark_ = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos) {
        const auto line = std::count(text.begin(), text.begin() + nul, '\n') + 1;
        throw StoreError("line " + std::to_string(line) + ": a NUL byte");
    }
    Key* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        file.finalBreak_ = end != std::string_view::npos;
        if (end == std::string_view::npos) end = text.size();
        const std::string_view raw = text.substr(start, end - start);
        start = end + 1;
        const std::size_t index = file.lines_.size();
        if (index == 0) file.crLf_ = file.finalBreak_ && !raw.empty() && raw.back() == '\r';
        file.lines_.emplace_back(raw);

        const std::string_view line = TrimLine(raw);
        LineParser parser(line, static_cast<int>(index + 1));
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            if (line.back() != ']' || line.size() < 2) parser.fail("a key line must end in ']'");
            const std::string_view path = line.substr(1, line.size() - 2);
            if (!IsValidKeyPath(path)) parser.fail("not a valid key path");
            const auto [entry, added] =
                file.keyIndex_.try_emplace(LowerAscii(path), file.keys_.size());
            if (added) file.keys_.emplace_back();
            current = &file.keys_[entry->second];
            current->lastLine = index;
            continue;
        }
        if (line.front() != '"' || current == nullptr) {
            parser.fail(current == nullptr ? "expected a key line"
                                           : "expected a key line or a value line");
        }
        std::string name = parser.quoted();
        parser.expect('=');
        const std::string type = parser.word();
        StoredValue value;
        if (type == "text" || type == "expandable") {
            value.type =
                type == "text" ? StoredValue::Type::Text : StoredValue::Type::ExpandableText;
            value.data = parser.quoted();
        } else if (type == "binary") {
            value.type = StoredValue::Type::Binary;
            value.data = parser.hex();
        } else {
            parser.fail("unknown value type '" + type + "'");
        }
        parser.expectEnd();
        if (!current->add(Value{name, std::move(value), index})) {
            parser.fail("the value " + Quote(name) + " is given twice");
        }
        current->lastLine = index;
    }
    return file;
}

std::string SettingsFile::serialize() const {
    std::string out;
    if (byteOrderMark_) out += kByteOrderMark;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) out += '\n';
        out += lines_[i];
    }
    if (finalBreak_) out += '\n';
    return out;
}

const SettingsFile::Value* SettingsFile::Key::find(std::string_view name) const {
    if (byName.empty()) {
        for (const Value& value : values) {
            if (SameName(value.name, name)) return &value;
        }
        return nullptr;
    }
    const auto found = byName.find(LowerAscii(name));
    return found == byName.end() ? nullptr : &values[found->second];
}

SettingsFile::Value* SettingsFile::Key::find(std::string_view name) {
    return const_cast<Value*>(std::as_const(*this).find(name));
}

bool SettingsFile::Key::add(Value value) {
    constexpr std::size_t kScanned = 8;
    if (find(value.name) != nullptr) return false;
    values.push_back(std::move(value));
    if (values.size() > kScanned) {
        for (std::size_t i = byName.empty() ? 0 : values.size() - 1; i < values.size(); ++i) {
            byName.emplace(LowerAscii(values[i].name), i);
        }
    }
    return true;
}

const SettingsFile::Key* SettingsFile::findKey(std::string_view path) const {
    const auto found = keyIndex_.find(LowerAscii(path));
    return found == keyIndex_.end() ? nullptr : &keys_[found->second];
}

SettingsFile::Key* SettingsFile::findKey(std::string_view path) {
    return const_cast<Key*>(std::as_const(*this).findKey(path));
}

bool SettingsFile::hasKey(std::string_view path) const {
    if (path.empty() || findKey(path) != nullptr) return true;
    // A parent has no line of its own: look for a key below it. Only a lookup of a key without
    // a line comes here, so this one pass keeps reading linear.
    const std::string prefix = LowerAscii(path) + '\\';
    return std::any_of(keyIndex_.begin(), keyIndex_.end(), [&](const auto& entry) {
        return std::string_view(entry.first).substr(0, prefix.size()) == prefix;
    });
}

std::optional<std::vector<std::string>> SettingsFile::valueNames(std::string_view path) const {
    if (!hasKey(path)) return std::nullopt;
    std::vector<std::string> names;
    if (const Key* key = findKey(path)) {
        names.reserve(key->values.size());
        for (const Value& value : key->values) names.push_back(value.name);
    }
    return names;
}

const StoredValue* SettingsFile::value(std::string_view path, std::string_view name) const {
    const Key* key = findKey(path);
    if (key == nullptr) return nullptr;
    const Value* found = key->find(name);
    return found == nullptr ? nullptr : &found->value;
}

void SettingsFile::insertLine(std::size_t at, std::string line) {
    if (at == lines_.size()) {
        // The line that was last gets the break it lacked.
        if (!finalBreak_ && !lines_.empty() && crLf_) lines_.back() += '\r';
        finalBreak_ = true;
    } else {
        for (Key& key : keys_) {
            if (key.lastLine >= at) ++key.lastLine;
            for (Value& value : key.values) {
                if (value.line >= at) ++value.line;
            }
        }
    }
    if (crLf_) line += '\r';
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

SettingsFile::Key& SettingsFile::addKeyLine(std::string_view path) {
    if (lines_.empty()) {
        for (const char* line : kHeader) insertLine(lines_.size(), line);
    }
    std::string line = "[";
    line.append(path);
    line += ']';
    insertLine(lines_.size(), std::move(line));
    keyIndex_.emplace(LowerAscii(path), keys_.size());
    Key& key = keys_.emplace_back();
    key.lastLine = lines_.size() - 1;
    return key;
}

bool SettingsFile::createKey(std::string_view path) {
    if (!IsValidKeyPath(path)) throw StoreError("not a valid key path");
    if (hasKey(path)) return false;
    addKeyLine(path);
    return true;
}

bool SettingsFile::setValue(std::string_view path, std::string_view name,
                            const StoredValue& value) {
    if (!IsValidKeyPath(path)) throw StoreError("not a valid key path");
    Key* key = findKey(path);
    if (key == nullptr) key = &addKeyLine(path);
    if (Value* found = key->find(name)) {
        Value& stored = *found;
        if (stored.value == value) return false;
        stored.value = value;
        // Rewrites the line in place, keeping its indentation and its line end.
        std::string& line = lines_[stored.line];
        const std::size_t indent = line.find_first_not_of(" \t");
        const bool cr = !line.empty() && line.back() == '\r';
        line = line.substr(0, indent) + ValueLine(stored.name, value) + (cr ? "\r" : "");
        return true;
    }
    const std::size_t at = key->lastLine + 1;
    insertLine(at, ValueLine(name, value));
    key->add(Value{std::string(name), value, at});
    key->lastLine = at;
    return true;
}

}  // namespace pendara
