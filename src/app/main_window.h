#pragma once

#include <QWidget>
#include <memory>

#include "app/services.h"
#include "list/line_list.h"

class QAbstractButton;
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
// has its own Main List, work list, timer and status bar; the first one created is the
// program's main window (PDFrm), and closing it ends the program.
class TPDFrm : public QWidget {
    Q_OBJECT
public:
    explicit TPDFrm(const Services& services, QWidget* owner = nullptr);
    ~TPDFrm() override;

    // The window created at start-up, or nullptr before it exists / after it is gone.
    static TPDFrm* PDFrm();

    MainList& mainList();
    LineList& workList() { return workList_; }
    Dialogs& dialogs() { return *services_.dialogs; }
    const Services& services() const { return services_; }
    PageControl& page();

    // Puts spdLM down and runs the menu switch for it, as a click on it would.
    void showListBuilder();
    // Makes one page active without tabs (the support and contributor pages' own buttons).
    void showPage(QWidget* page);

    ListBuilderPage& listBuilderPage() { return *listBuilder_; }
    MergerPage& mergerPage() { return *merger_; }
    ComparerPage& comparerPage() { return *comparer_; }
    ErrorMessagePage& errorMessagePage() { return *errorMessage_; }
    ShellFolderPage& shellFolderPage() { return *shellFolder_; }
    SupportPage& supportPage() { return *support_; }
    ContributorPage& contributorPage() { return *contributor_; }
    MorePage& morePage() { return *more_; }

public Q_SLOTS:
    void MenuSelection();
    void btnHomeClick();
    void AboutClick();
    void Timer1Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormActivate();
    void selectByTag(int tag);
    void Label6DblClick();
    void IconDblClick();
    void guard(const std::function<void()>& handler);

    Services services_;
    std::unique_ptr<Ui::TPDFrm> ui_;
    LineList workList_;
    ListBuilderPage* listBuilder_ = nullptr;
    MergerPage* merger_ = nullptr;
    ComparerPage* comparer_ = nullptr;
    ErrorMessagePage* errorMessage_ = nullptr;
    ShellFolderPage* shellFolder_ = nullptr;
    SupportPage* support_ = nullptr;
    ContributorPage* contributor_ = nullptr;
    MorePage* more_ = nullptr;
    QTimer* timer1_ = nullptr;
};

}  // namespace pendara
