#pragma once

// The window layer's frame: program start, the main window with its side menu and status bar,
// the page context the pages are built with, the error-box guard and the dialogs interface.

#include <QWidget>
#include <array>
#include <memory>

#include "list/line_list.h"
#include "list/work_list.h"
#include "window/page_context.h"
#include "window/services.h"

class QAbstractButton;
class QLabel;
class QTimer;

namespace Ui {
class TPDFrm;
}

namespace pendara {

class BatchPanel;
class ComparerPage;
class ContributorPage;
class Dialogs;
class ErrorMessagePage;
class ListBuilderPage;
class MainList;
class MergerPage;
class MorePage;
class PageControl;
class ShellFolderPage;
class SupportPage;

// The main window: header band, side menu, the eight pages and the status bar. Every window
// has its own Main List, work list, timer and status bar. The window made without an owner is
// the program's main window, and closing it ends the program; the windows it opens have it as
// their owner.
class TPDFrm : public QWidget, private PageNavigator {
    Q_OBJECT
public:
    explicit TPDFrm(const Services& services, QWidget* owner = nullptr);
    ~TPDFrm() override;

    // Whether closing this window ends the program.
    bool isProgramWindow() const { return programWindow_; }

    MainList& mainList();
    WorkList& workList() { return workList_; }
    Dialogs& dialogs() { return context_.dialogs(); }
    PageControl& page();

    // Loads a list file into this window's Main List as Load List would.
    void loadList(const QString& path);
    // A further window owned by this one, shown, as a double-click on the icon opens.
    TPDFrm& openWindow();

    // Puts spdLM down and runs the menu switch for it, as a click on it would.
    void showListBuilder() override;

    ListBuilderPage& listBuilderPage() { return *listBuilder_; }
    MergerPage& mergerPage() { return *merger_; }
    ComparerPage& comparerPage() { return *comparer_; }
    ErrorMessagePage& errorMessagePage() { return *errorMessage_; }
    ShellFolderPage& shellFolderPage() { return *shellFolder_; }
    SupportPage& supportPage() { return *support_; }
    ContributorPage& contributorPage() { return *contributor_; }
    MorePage& morePage() { return *more_; }

public Q_SLOTS:
    // A side-menu button: shows the page its Tag names.
    void MenuSelection();
    // The Home button: opens the maker's home page.
    void btnHomeClick();
    // The About button: shows the About dialog.
    void AboutClick();
    // The status bar's clock: memory, battery and uptime, once a second.
    void Timer1Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showSupportPage() override;
    void showContributorPage() override;
    void openNewWindow() override { openWindow(); }
    // Makes one page active without tabs (the support and contributor pages' own buttons).
    void showPage(QWidget* page);
    // Start-up: the work list, the pages, the first page and the support check.
    void FormCreate();
    // Runs each time the window becomes the active one.
    void FormActivate();
    void selectByTag(int tag);
    // Puts `down` down and every other side-menu button up.
    void checkMenuButton(QAbstractButton* down);
    // Double-click on the version label: opens the program's folder.
    void Label6DblClick();
    // Double-click on the icon: opens another main window.
    void IconDblClick();
    // Asks to save a changed Main List; false when the window must stay open.
    bool mayClose();

    Services services_;
    const bool programWindow_;
    std::unique_ptr<Ui::TPDFrm> ui_;
    WorkList workList_;
    PageContext context_;
    ListBuilderPage* listBuilder_ = nullptr;
    MergerPage* merger_ = nullptr;
    ComparerPage* comparer_ = nullptr;
    ErrorMessagePage* errorMessage_ = nullptr;
    ShellFolderPage* shellFolder_ = nullptr;
    SupportPage* support_ = nullptr;
    ContributorPage* contributor_ = nullptr;
    MorePage* more_ = nullptr;
    QTimer* timer1_ = nullptr;
    // Memory, power and uptime readings, then the home page address.
    std::array<QLabel*, 4> statusPanels_{};
};

}  // namespace pendara
