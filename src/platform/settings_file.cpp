#include "platform/settings_file.h"

#include <algorithm>

#include "list/ascii.h"
#include "list/utf8.h"

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
    if (text.find('\0') != std::string_view::npos) throw StoreError("the file holds a NUL byte");
    Key* current = nullptr;
    int number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = TrimLine(text.substr(start, end - start));
        start = end + 1;
        ++number;
        LineParser parser(line, number);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            if (line.back() != ']') parser.fail("a key line must end in ']'");
            const std::string_view path = line.substr(1, line.size() - 2);
            if (!IsValidKeyPath(path)) parser.fail("not a valid key path");
            // A key written twice is one key: its values are joined.
            file.createKey(path);
            current = file.findKey(path);
            continue;
        }
        if (line.front() != '"') parser.fail("expected a key line or a value line");
        if (current == nullptr) parser.fail("a value before the first key");
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
        for (const auto& [existing, ignored] : current->values) {
            if (SameName(existing, name))
                parser.fail("the value " + Quote(name) + " is given twice");
        }
        current->values.emplace_back(std::move(name), std::move(value));
    }
    return file;
}

std::string SettingsFile::serialize() const {
    std::string out =
        "; Pendara settings. Each [key] is followed by its values in the order they were created:\n"
        ";   \"name\" = text \"...\", expandable \"...\" or binary HEX.\n"
        "; Inside quotes \\\\ \\\" \\t \\n \\r and \\xHH are escapes.\n";
    for (const Key& key : keys_) {
        out += '[';
        out += key.path;
        out += "]\n";
        for (const auto& [name, value] : key.values) {
            out += Quote(name);
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
            out += '\n';
        }
    }
    return out;
}

const SettingsFile::Key* SettingsFile::find(std::string_view path) const {
    for (const Key& key : keys_) {
        if (SameName(key.path, path)) return &key;
    }
    return nullptr;
}

SettingsFile::Key* SettingsFile::findKey(std::string_view path) {
    return const_cast<Key*>(std::as_const(*this).find(path));
}

bool SettingsFile::createKey(std::string_view path) {
    if (!IsValidKeyPath(path)) throw StoreError("not a valid key path");
    if (findKey(path) != nullptr) return false;
    // Parents first, so the file lists them before their children.
    const std::size_t lastSeparator = path.rfind('\\');
    if (lastSeparator != std::string_view::npos) createKey(path.substr(0, lastSeparator));
    keys_.push_back(Key{std::string(path), {}});
    return true;
}

bool SettingsFile::setValue(std::string_view path, std::string_view name,
                            const StoredValue& value) {
    bool changed = createKey(path);
    Key& key = *findKey(path);
    for (auto& [existing, stored] : key.values) {
        if (SameName(existing, name)) {
            if (stored == value) return changed;
            stored = value;
            return true;
        }
    }
    key.values.emplace_back(std::string(name), value);
    return true;
}

}  // namespace pendara
