#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

namespace Ui {
class ShellFolderPage;
}

namespace pendara {

class KeyValueModel;
class PageContext;

// The "Shell Folder" page of EXTRAS: the shell folder locations of the user or the machine,
// which the user can open or copy.
class ShellFolderPage : public QWidget {
    Q_OBJECT
public:
    explicit ShellFolderPage(const PageContext& context, QWidget* parent = nullptr);
    ~ShellFolderPage() override;

    // Loads the rows on the first EXTRAS visit only; the grid's dynamic property "tag" is 1
    // once that visit has filled it.
    void loadOnFirstVisit();

public Q_SLOTS:
    // The root chosen: lists its shell folders.
    void SFChange();
    // Open: opens the chosen folder (also a double-click on its row).
    void OpenClick();
    // Copy: puts the chosen folder's location on the clipboard.
    void Button6Click();

private:
    // Loads the shell folder rows for the root chosen in SF. Fails with "Invalid data type for
    // '%s'" for a value that is not text, leaving the rows listed before it.
    void ReadSF();
    std::string currentLocation() const;

    const PageContext& context_;
    std::unique_ptr<Ui::ShellFolderPage> ui_;
    KeyValueModel* model_ = nullptr;
};

}  // namespace pendara
