#pragma once

#include <string_view>

#include "window/dialogs.h"

namespace pendara {

class SettingsStore;

// Where the file dialogs start: the folder last used for the same purpose, else the home folder,
// never the folder the program happened to be started from.
inline constexpr std::string_view kFoldersKey = "Software\\Brantor\\Pendara\\Folders";

// Wraps the program's dialogs so that a file dialog without a start folder of its own starts in
// the folder last used for its purpose (kept in the settings store under kFoldersKey), else in
// `homeFolder`, and remembers the folder of each chosen file. A dialog that names its start
// folder keeps it. Remembering is a convenience: a store that cannot be read or written only
// means starting at home. Everything else passes through.
class FolderMemoryDialogs final : public Dialogs {
public:
    FolderMemoryDialogs(Dialogs& inner, SettingsStore* store, QString homeFolder);

    std::optional<QString> openFile(QWidget* owner, const FileDialog& dialog) override;
    std::optional<QString> saveFile(QWidget* owner, const FileDialog& dialog) override;
    void error(QWidget* owner, const QString& text) override { inner_.error(owner, text); }
    void message(QWidget* owner, const QString& text) override { inner_.message(owner, text); }
    void information(QWidget* owner, const QString& text) override {
        inner_.information(owner, text);
    }
    void inputBox(QWidget* owner, const QString& title, const QString& prompt,
                  const QString& text) override {
        inner_.inputBox(owner, title, prompt, text);
    }
    int runModal(QDialog& dialog) override { return inner_.runModal(dialog); }
    void openWithShell(QWidget* owner, const QString& target) override {
        inner_.openWithShell(owner, target);
    }
    std::string clipboardText() override { return inner_.clipboardText(); }
    void setClipboardText(std::string_view text) override { inner_.setClipboardText(text); }
    void setClipboard(const ClipboardText& ready) override { inner_.setClipboard(ready); }
    ClipboardText clipboard() override { return inner_.clipboard(); }
    void beep() override { inner_.beep(); }
    SaveChoice askSaveChanges(QWidget* owner, const QString& text) override {
        return inner_.askSaveChanges(owner, text);
    }
    bool askYesNo(QWidget* owner, const QString& text) override {
        return inner_.askYesNo(owner, text);
    }
    std::optional<Numbering> askNumbering(QWidget* owner, const Numbering& proposal) override {
        return inner_.askNumbering(owner, proposal);
    }

private:
    enum class Kind { Open, Save };
    std::optional<QString> run(QWidget* owner, FileDialog dialog, Kind kind);
    QString startFolder(const std::string& purpose);
    void remember(const std::string& purpose, const QString& chosenFile);

    Dialogs& inner_;
    SettingsStore* store_;
    QString homeFolder_;
};

}  // namespace pendara
