#pragma once

#include <memory>

#include "window/dialogs.h"

class QTemporaryDir;

namespace pendara {

// The real dialogs: Qt's file dialogs and message boxes, the desktop's default handler for
// links and folders, and the system clipboard.
class QtDialogs final : public Dialogs {
public:
    QtDialogs();
    ~QtDialogs() override;

    std::optional<QString> openFile(QWidget* owner, const FileDialog& dialog) override;
    std::optional<QString> saveFile(QWidget* owner, const FileDialog& dialog) override;
    void error(QWidget* owner, const QString& text) override;
    void message(QWidget* owner, const QString& text) override;
    void information(QWidget* owner, const QString& text) override;
    void inputBox(QWidget* owner, const QString& title, const QString& prompt,
                  const QString& text) override;
    SaveChoice askSaveChanges(QWidget* owner, const QString& text) override;
    bool askYesNo(QWidget* owner, const QString& text) override;
    std::optional<Numbering> askNumbering(QWidget* owner, const Numbering& proposal) override;
    int runModal(QDialog& dialog) override;
    void openWithShell(QWidget* owner, const QString& target) override;
    std::string clipboardText() override;
    void setClipboardText(std::string_view text) override;
    void setClipboard(const ClipboardText& ready) override;
    ClipboardText clipboard() override;
    void beep() override;

private:
    // Where Qt's own file dialog keeps its state for this run only.
    std::unique_ptr<QTemporaryDir> dialogState_;
};

}  // namespace pendara
