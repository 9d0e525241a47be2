#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/settings_store.h"

namespace pendara {

// The settings file: plain UTF-8 text that a person can read and edit.
//
//   ; comment lines start with ";" or "#"; blank lines are ignored
//   [Software\Brantor]
//   "07" = text "/usr/bin/pendara"
//   [Software\Brantor\Support]
//   "07" = text "1"
//   "path" = expandable "$HOME/lists"
//   "raw" = binary 01ff
//
// A line "[path]" starts a key; the key's values follow it, one a line, in the order they were
// created. A value line is the quoted name, "=", the type ("text", "expandable" or "binary")
// and the data: quoted for the two text types, hexadecimal digits for binary. Inside quotes
// \\ \" \t \n \r and \xHH stand for a backslash, a quote, a tab, a line feed, a carriage
// return and the byte HH; every other byte stands for itself. "[]" is the root's own key. A key
// exists when a line names it or any key below it, so parents need no lines of their own; a key
// named on two lines is one key holding the values of both.
//
// The file is kept line by line as it was read: a change rewrites only the line of the value it
// changes or adds lines, so comments, blank lines, spacing, line ends, a UTF-8 byte-order mark
// and keys this program does not know stay as the person who wrote them left them, and
// Parse(text).serialize() gives back `text` itself.
class SettingsFile {
public:
    // Reads a file's text in time linear in its size. Throws StoreError naming the line when it
    // is not in this format (a NUL byte, a value outside a key, an unterminated quote, a name
    // given twice...).
    static SettingsFile Parse(std::string_view text);
    std::string serialize() const;

    // True when a line names the key or a key below it; the root always exists.
    bool hasKey(std::string_view path) const;
    // The key's value names in file order, or nothing when the key does not exist.
    std::optional<std::vector<std::string>> valueNames(std::string_view path) const;
    // The value, or nullptr.
    const StoredValue* value(std::string_view path, std::string_view name) const;

    // Adds a line for the key unless it exists; true when it did. Throws StoreError for a path
    // that is no valid key path.
    bool createKey(std::string_view path);
    // Stores the value: rewrites its line, or adds one after the key's last line (and the key's
    // line when it has none). True when anything changed.
    bool setValue(std::string_view path, std::string_view name, const StoredValue& value);

private:
    struct Value {
        std::string name;
        StoredValue value;
        std::size_t line;
    };
    struct Key {
        std::vector<Value> values;
        // Folded name -> values index, built only once the key holds more than a few values:
        // most keys hold one or two, and a map for each would cost more than a scan.
        std::unordered_map<std::string, std::size_t> byName;
        std::size_t lastLine = 0;  // where the key's next value goes after

        const Value* find(std::string_view name) const;
        Value* find(std::string_view name);
        // False when the key holds a value of that name already.
        bool add(Value value);
    };

    Key* findKey(std::string_view path);
    const Key* findKey(std::string_view path) const;
    Key& addKeyLine(std::string_view path);
    void insertLine(std::size_t at, std::string line);

    std::vector<std::string> lines_;  // without their "\n", with a "\r" before it kept
    bool byteOrderMark_ = false;
    bool finalBreak_ = false;  // the last line ends with a break
    bool crLf_ = false;        // lines this file adds end in CR LF
    std::vector<Key> keys_;
    std::unordered_map<std::string, std::size_t> keyIndex_;  // folded path -> keys_ index
};

// A key path is "" (the root) or parts joined by "\", each part non-empty and free of control
// characters.
bool IsValidKeyPath(std::string_view path);

// Equality without regard to the case of A to Z, as key paths and value names match.
bool SameName(std::string_view a, std::string_view b);

}  // namespace pendara
