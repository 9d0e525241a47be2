#include "window/recent_lists.h"

#include <QFile>
#include <string>

#include "platform/settings_store.h"

namespace pendara {

QStringList WithRecent(QStringList files, const QString& path, int kept) {
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kept) files.removeLast();
    return files;
}

QStringList RecentLists::files() const {
    if (store_ == nullptr) return memory_;
    QStringList files;
    for (int place = 1; place <= kKept; ++place) {
        const std::optional<StoredValue> stored =
            store_->value(SettingsRoot::CurrentUser, kRecentListsKey, std::to_string(place));
        // The store has no removal: places past the last file hold empty texts.
        if (!stored || stored->type != StoredValue::Type::Text || stored->data.empty()) break;
        files << QFile::decodeName(QByteArray::fromStdString(stored->data));
    }
    // A store that could not be written still has the older files; this window knows better.
    return memory_.isEmpty() ? files : memory_;
}

void RecentLists::note(const QString& path) {
    if (path.isEmpty()) return;
    keep(WithRecent(files(), path, kKept));
}

void RecentLists::forget(const QString& path) {
    QStringList left = files();
    if (left.removeAll(path) > 0) keep(left);
}

void RecentLists::keep(const QStringList& files) {
    memory_ = files;
    if (store_ == nullptr) return;
    try {
        for (int place = 1; place <= kKept; ++place) {
            const QByteArray path =
                place <= files.size() ? QFile::encodeName(files.at(place - 1)) : QByteArray();
            store_->setValue(SettingsRoot::CurrentUser, kRecentListsKey, std::to_string(place),
                             {StoredValue::Type::Text, path.toStdString()});
        }
        // Stored: other windows' changes are read from the store from now on.
        memory_.clear();
    } catch (const StoreError&) {
        // Not worth an error box: the list lasts for this window only.
    }
}

}  // namespace pendara
