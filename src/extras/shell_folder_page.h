#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

namespace Ui {
class ShellFolderPage;
}

class QTableView;

namespace pendara {

class KeyValueModel;
class TPDFrm;

// The "Shell Folder" page of EXTRAS: the shell folder locations of the user or the machine,
// which the user can open or copy.
class ShellFolderPage : public QWidget {
    Q_OBJECT
public:
    explicit ShellFolderPage(TPDFrm& window, QWidget* parent = nullptr);
    ~ShellFolderPage() override;

    // Loads the shell folder rows for the root chosen in SF. Fails with "Invalid data type for
    // '%s'" for a value that is not text, leaving the rows listed before it.
    void ReadSF();

    // The grid; its dynamic property "tag" is 1 once the first EXTRAS visit has filled it.
    QTableView& SL();
    KeyValueModel& rows() { return *model_; }

public Q_SLOTS:
    void SFChange();
    void OpenClick();
    void Button6Click();

private:
    std::string currentLocation() const;
    void guard(const std::function<void()>& handler);

    TPDFrm& window_;
    std::unique_ptr<Ui::ShellFolderPage> ui_;
    KeyValueModel* model_ = nullptr;
};

}  // namespace pendara
