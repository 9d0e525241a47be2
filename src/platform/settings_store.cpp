#include "platform/settings_store.h"

#include "text/failure.h"

namespace pendara {

namespace {

[[noreturn]] void Raise(const std::string& message, const StoreError& error) {
    if (error.file().empty()) throw Failure(message);
    throw Failure(message, error.file() + ": " + error.what());
}

}  // namespace

std::string ReadRegText(SettingsStore& store, SettingsRoot root, std::string_view key,
                        std::string_view name) {
    const std::optional<StoredValue> value = store.value(root, key, name);
    if (!value || value->data.empty()) return {};
    if (value->type == StoredValue::Type::Binary) {
        throw Failure(FormatMessage("Invalid data type for '%s'", {std::string(name)}));
    }
    const std::string_view data = value->data;
    return std::string(data.substr(0, data.find('\0')));
}

void WriteRegText(SettingsStore& store, std::string_view key, std::string_view name,
                  std::string_view text) {
    try {
        store.setValue(SettingsRoot::CurrentUser, key, name,
                       StoredValue{StoredValue::Type::Text, std::string(text)});
    } catch (const StoreError& error) {
        Raise(FormatMessage("Failed to set data for '%s'", {std::string(name)}), error);
    }
}

void EnsureRegKey(SettingsStore& store, SettingsRoot root, std::string_view key) {
    try {
        store.createKey(root, key);
    } catch (const StoreError& error) {
        Raise(FormatMessage("Failed to create key %s", {std::string(key)}), error);
    }
}

void ListRegValueNames(SettingsStore& store, SettingsRoot root, std::string_view key,
                       std::vector<std::string>& names) {
    names.clear();
    if (std::optional<std::vector<std::string>> found = store.valueNames(root, key)) {
        names = std::move(*found);
    }
}

void SetRegText(SettingsStore& store, SettingsRoot root, std::string_view key,
                std::string_view name, std::string_view text) {
    try {
        store.setValue(root, key, name, StoredValue{StoredValue::Type::Text, std::string(text)});
    } catch (const StoreError& error) {
        Raise("Error creating system registry entry", error);
    }
}

}  // namespace pendara
