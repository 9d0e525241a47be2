#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pendara {

// The two roots of the settings store: the signed-in user's settings, and the machine's,
// which this program only reads.
enum class SettingsRoot { CurrentUser, LocalMachine };

// One stored value. Text values keep their bytes as stored (a NUL inside is kept); any other
// value is opaque bytes.
struct StoredValue {
    enum class Type { Text, ExpandableText, Binary };
    Type type = Type::Text;
    std::string data;

    bool operator==(const StoredValue&) const = default;
};

// The key under which both roots list the shell folders, read-only.
inline constexpr std::string_view kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Why a change to the store could not be made. Callers turn it into their own message, with
// the file and the reason when the store's file is at fault, so the user can mend it.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const std::string& reason, std::string file = {})
        : std::runtime_error(reason), file_(std::move(file)) {}
    // The file that could not be read or written, or "" when no file is at fault.
    const std::string& file() const { return file_; }

private:
    std::string file_;
};

// A tree of keys holding named values, keys named by paths whose parts are joined by "\"
// ("Software\Brantor"; "" is the root itself). Key paths and value names match without regard
// to the case of A to Z and keep the spelling they were created with. Every call stands alone:
// nothing stays open between calls.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The key's value names in the order they were first created, or nothing when the key is
    // missing or cannot be read.
    virtual std::optional<std::vector<std::string>> valueNames(SettingsRoot root,
                                                               std::string_view key) = 0;
    // The value, or nothing when the key or the value is missing or cannot be read.
    virtual std::optional<StoredValue> value(SettingsRoot root, std::string_view key,
                                             std::string_view name) = 0;
    // Creates the key and its missing parents; an existing key stays as it is.
    // Throws StoreError when that cannot be done.
    virtual void createKey(SettingsRoot root, std::string_view key) = 0;
    // Stores the value, creating the key and its parents when absent. A value that exists keeps
    // its place in the order. Throws StoreError when that cannot be done.
    virtual void setValue(SettingsRoot root, std::string_view key, std::string_view name,
                          const StoredValue& value) = 0;
};

// The program's five operations on the store, with their own failure messages (Failure); when the
// store's file is at fault, the failure's detail names the file and the reason.

// The text of a value, up to its first NUL, unexpanded. A missing key or value and a value of
// no bytes read as "". Any other value that is not text fails with "Invalid data type for '%s'"
// (the value name).
std::string ReadRegText(SettingsStore& store, SettingsRoot root, std::string_view key,
                        std::string_view name);

// Stores a text value under the current user's root, creating the key when absent.
// Fails with "Failed to set data for '%s'" (the value name).
void WriteRegText(SettingsStore& store, std::string_view key, std::string_view name,
                  std::string_view text);

// Creates the key and its missing parents when absent; an existing key stays as it is. Fails
// with "Failed to create key %s".
void EnsureRegKey(SettingsStore& store, SettingsRoot root, std::string_view key);

// Replaces `names` by the key's value names in stored order; a key that is missing or cannot be
// read leaves it empty and is no failure.
void ListRegValueNames(SettingsStore& store, SettingsRoot root, std::string_view key,
                       std::vector<std::string>& names);

// Stores a text value, creating the key when absent. Fails with
// "Error creating system registry entry".
void SetRegText(SettingsStore& store, SettingsRoot root, std::string_view key,
                std::string_view name, std::string_view text);

}  // namespace pendara
