#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "window/recent_lists.h"

class QAction;
class QLabel;
class QMenu;

namespace Ui {
class ListBuilderPage;
}

namespace pendara {

class FindBar;
class MainList;
class MainListActions;
class BulkRun;
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
    BulkRun& bulkRun() { return *bulkRun_; }

    // Load List's rule on a chosen file: one undo step, failures as Load List reports them;
    // false when it failed.
    bool loadListFile(const QString& path);
    // Saves to the file the list came from, in its form, asking for a file only when there is
    // none; false when it was cancelled or failed (the failure is shown).
    bool saveList();
    // Save List's dialog, starting in the list's folder with its name; false as saveList.
    bool saveListAs();
    FindBar& findBar() { return *findBar_; }

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
    bool writeList(const QString& path);
    void showRecentLists(QMenu& menu);
    void showContextMenu(const QPoint& global);
    // Room for the find bar under the list while it shows.
    void placeFindBar(bool shown);
    void showPosition();
    QAction* addPageAction(const char* name, const QString& text, const QKeySequence& key);

    const PageContext& context_;
    std::unique_ptr<Ui::ListBuilderPage> ui_;
    std::unique_ptr<MainList> mainList_;
    MainListActions* actions_ = nullptr;
    BulkRun* bulkRun_ = nullptr;
    FindBar* findBar_ = nullptr;
    QLabel* position_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    RecentLists recent_;
    // The page's own keys that the editor must not take for itself.
    std::vector<QAction*> pageActions_;
    QRect listGeometry_;
};

}  // namespace pendara
