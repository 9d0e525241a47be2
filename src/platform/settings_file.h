#pragma once

#include <string>
#include <string_view>
#include <utility>
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
// return and the byte HH; every other byte stands for itself. Keys appear in the order they
// were created, parents before children. "[]" is the root's own key.
class SettingsFile {
public:
    struct Key {
        std::string path;
        std::vector<std::pair<std::string, StoredValue>> values;
    };

    // Reads a file's text. Throws StoreError naming the line when it is not in this format
    // (a NUL byte, a value outside a key, an unterminated quote, a name given twice...).
    static SettingsFile Parse(std::string_view text);
    std::string serialize() const;

    const std::vector<Key>& keys() const { return keys_; }
    // The key with this path, or nullptr.
    const Key* find(std::string_view path) const;
    // Creates the key and its missing parents; true when anything was created.
    // Throws StoreError for a path that is no valid key path.
    bool createKey(std::string_view path);
    // Stores the value, creating its key; true when anything changed.
    bool setValue(std::string_view path, std::string_view name, const StoredValue& value);

private:
    Key* findKey(std::string_view path);
    std::vector<Key> keys_;
};

// A key path is "" (the root) or parts joined by "\", each part non-empty and free of control
// characters.
bool IsValidKeyPath(std::string_view path);

// Equality without regard to the case of A to Z, as key paths and value names match.
bool SameName(std::string_view a, std::string_view b);

}  // namespace pendara
