#pragma once

#include <QStringList>
#include <string_view>

namespace pendara {

class SettingsStore;

// The key under which the recent lists are kept, one value per place, "1" the newest.
inline constexpr std::string_view kRecentListsKey = "Software\\Brantor\\Pendara\\Recent Lists";

// The list files last loaded or saved, newest first, at most kKept of them. With a settings store
// they are kept there, so every window and the next run see them; without one, or when the
// store cannot be written, they last as long as this object. Remembering is a convenience: a
// store that fails is no error.
class RecentLists {
public:
    static constexpr int kKept = 8;

    explicit RecentLists(SettingsStore* store) : store_(store) {}

    QStringList files() const;
    // Puts `path` first, dropping an earlier place of the same file and the oldest beyond kKept.
    void note(const QString& path);
    // Drops a file that could not be opened any more.
    void forget(const QString& path);

private:
    void keep(const QStringList& files);

    SettingsStore* store_;
    QStringList memory_;
};

// `files` with `path` put first, an earlier place of the same path dropped, at most `kept` long.
QStringList WithRecent(QStringList files, const QString& path, int kept);

}  // namespace pendara
