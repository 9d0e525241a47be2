#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class ListBuilderPage;
}

namespace pendara {

class MainList;
class MainListActions;
class PageContext;

// The List Builder page: the Main List, the batch panel beside it and the seven commands on the
// whole list under it.
class ListBuilderPage : public QWidget {
    Q_OBJECT
public:
    explicit ListBuilderPage(const PageContext& context, QWidget* parent = nullptr);
    ~ListBuilderPage() override;

    MainList& mainList() { return *mainList_; }
    MainListActions& mainListActions() { return *actions_; }

    // Load List's rule on a chosen file: one undo step, failures as Load List reports them.
    void loadListFile(const QString& path);
    // Save List; false when it was cancelled or failed (the failure is shown).
    bool saveList();

public Q_SLOTS:
    // Load List: reads a list file into the Main List.
    void Load1Click();
    // Save List: writes the Main List to a list file.
    void Save1Click();
    // Sort List.
    void SortClick();
    // Scramble List: the lines in random order.
    void btnScrambleClick();
    // Clear List.
    void RemAllClick();
    // Copy to Clipboard: the whole Main List.
    void Button4Click();
    // Paste from Clipboard: replaces the Main List with the clipboard's text.
    void Button5Click();
    // Double-click on the "Main List :" caption: shows the number of lines.
    void Label1DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const PageContext& context_;
    std::unique_ptr<Ui::ListBuilderPage> ui_;
    std::unique_ptr<MainList> mainList_;
    MainListActions* actions_ = nullptr;
};

}  // namespace pendara
