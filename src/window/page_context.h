#pragma once

#include <QtGlobal>

#include <functional>

#include "window/handler_guard.h"
#include "window/services.h"

class QWidget;

namespace pendara {

class BulkRun;
class Dialogs;
class WorkList;
class MainList;

// How a page asks for another page; the main window answers. Pages never reach the window
// itself, so each can be read (and tested) on its own.
class PageNavigator {
public:
    virtual ~PageNavigator() = default;
    // The List Builder, with its menu button down, as a click on it would.
    virtual void showListBuilder() = 0;
    // The support page, without tabs.
    virtual void showSupportPage() = 0;
    // The contributor list, without tabs, filled on first demand; fails as filling it does.
    virtual void showContributorPage() = 0;
    // A further window of the program, shown, as a double-click on the icon opens.
    virtual void openNewWindow() = 0;
};

// What the pages of one main window share. The window owns it and outlives its pages.
class PageContext {
public:
    PageContext(QWidget& window, const Services& services, WorkList& workList,
                PageNavigator& navigator)
        : window_(window), services_(services), workList_(workList), navigator_(navigator) {}

    // Owner of the boxes a page shows.
    QWidget& window() const { return window_; }
    const Services& services() const { return services_; }
    Dialogs& dialogs() const {
        Q_ASSERT(services_.dialogs != nullptr);
        return *services_.dialogs;
    }
    WorkList& workList() const { return workList_; }
    PageNavigator& navigator() const { return navigator_; }
    // Runs a handler that works for the whole window: a failure shows the error box over it.
    void runGuarded(const std::function<void()>& handler) const {
        RunGuarded(&window_, dialogs(), handler);
    }

    // The Main List lives in the List Builder page, which hands it over once it has made it.
    MainList& mainList() const {
        Q_ASSERT(mainList_ != nullptr);
        return *mainList_;
    }
    void setMainList(MainList& mainList) { mainList_ = &mainList; }
    // Runs every long operation on the Main List; made with it.
    BulkRun& bulkRun() const {
        Q_ASSERT(bulkRun_ != nullptr);
        return *bulkRun_;
    }
    void setBulkRun(BulkRun& bulkRun) { bulkRun_ = &bulkRun; }

private:
    QWidget& window_;
    const Services& services_;
    WorkList& workList_;
    PageNavigator& navigator_;
    MainList* mainList_ = nullptr;
    BulkRun* bulkRun_ = nullptr;
};

}  // namespace pendara
