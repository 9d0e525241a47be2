#include "window/folder_memory_dialogs.h"

#include <QFile>
#include <QFileInfo>

#include "platform/settings_store.h"

namespace pendara {

FolderMemoryDialogs::FolderMemoryDialogs(Dialogs& inner, SettingsStore* store, QString homeFolder)
    : inner_(inner), store_(store), homeFolder_(std::move(homeFolder)) {}

std::optional<QString> FolderMemoryDialogs::openFile(QWidget* owner, const FileDialog& dialog) {
    return run(owner, dialog, Kind::Open);
}

std::optional<QString> FolderMemoryDialogs::saveFile(QWidget* owner, const FileDialog& dialog) {
    return run(owner, dialog, Kind::Save);
}

std::optional<QString> FolderMemoryDialogs::run(QWidget* owner, FileDialog dialog, Kind kind) {
    const std::string purpose = !dialog.purpose.isEmpty() ? dialog.purpose.toStdString()
                                : kind == Kind::Open      ? std::string("Open")
                                                          : std::string("Save");
    if (dialog.initialFolder.isEmpty()) dialog.initialFolder = startFolder(purpose);
    std::optional<QString> chosen =
        kind == Kind::Open ? inner_.openFile(owner, dialog) : inner_.saveFile(owner, dialog);
    if (chosen && !chosen->isEmpty()) remember(purpose, *chosen);
    return chosen;
}

QString FolderMemoryDialogs::startFolder(const std::string& purpose) {
    if (store_ != nullptr) {
        const std::optional<StoredValue> stored =
            store_->value(SettingsRoot::CurrentUser, kFoldersKey, purpose);
        if (stored && stored->type == StoredValue::Type::Text && !stored->data.empty()) {
            const QString folder = QFile::decodeName(QByteArray::fromStdString(stored->data));
            // A folder removed since is no place to start.
            if (QFileInfo(folder).isDir()) return folder;
        }
    }
    return homeFolder_;
}

void FolderMemoryDialogs::remember(const std::string& purpose, const QString& chosenFile) {
    if (store_ == nullptr) return;
    const QByteArray folder = QFile::encodeName(QFileInfo(chosenFile).absolutePath());
    try {
        store_->setValue(SettingsRoot::CurrentUser, kFoldersKey, purpose,
                         {StoredValue::Type::Text, folder.toStdString()});
    } catch (const StoreError&) {
        // Not worth an error box: the next dialog starts at home instead.
    }
}

}  // namespace pendara
