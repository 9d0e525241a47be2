#pragma once

#include <map>
#include <utility>

#include "platform/settings_file.h"
#include "platform/settings_store.h"

namespace pendara::testing {

// A settings store in memory for window tests, with switches for the failures a real one has.
class MemorySettingsStore : public SettingsStore {
public:
    SettingsFile user;
    SettingsFile machine;
    bool readOnly = false;  // every change fails

    std::optional<std::vector<std::string>> valueNames(SettingsRoot root,
                                                       std::string_view key) override {
        return of(root).valueNames(key);
    }
    std::optional<StoredValue> value(SettingsRoot root, std::string_view key,
                                     std::string_view name) override {
        const StoredValue* found = of(root).value(key, name);
        if (found == nullptr) return std::nullopt;
        return *found;
    }
    void createKey(SettingsRoot root, std::string_view key) override {
        if (readOnly) throw StoreError("read-only");
        of(root).createKey(key);
    }
    void setValue(SettingsRoot root, std::string_view key, std::string_view name,
                  const StoredValue& value) override {
        if (readOnly) throw StoreError("read-only");
        of(root).setValue(key, name, value);
    }

    void setText(SettingsRoot root, std::string_view key, std::string_view name, std::string text) {
        of(root).setValue(key, name, StoredValue{StoredValue::Type::Text, std::move(text)});
    }
    void setBinary(SettingsRoot root, std::string_view key, std::string_view name) {
        of(root).setValue(key, name, StoredValue{StoredValue::Type::Binary, "\x01"});
    }

private:
    SettingsFile& of(SettingsRoot root) {
        return root == SettingsRoot::CurrentUser ? user : machine;
    }
};

}  // namespace pendara::testing
