#pragma once

#include <QWidget>
#include <vector>

class QStackedWidget;
class QTabBar;

namespace pendara {

// A page control whose tabs can be hidden one by one: the side menu, not the tabs, normally
// decides which page shows, and only the EXTRAS section shows two tabs.
class PageControl : public QWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    void addPage(QWidget* page, const QString& caption);

    void setTabVisible(QWidget* page, bool visible);
    void hideAllTabs();
    // Captions of the tabs that show, in page order.
    QStringList visibleTabs() const;

    void setActivePage(QWidget* page);
    QWidget* activePage() const;

private:
    struct Entry {
        QWidget* widget;
        QString caption;
        bool tabVisible;
    };
    void rebuildTabs();
    int indexOf(QWidget* page) const;

    std::vector<Entry> pages_;
    QTabBar* tabs_;
    QStackedWidget* stack_;
    bool rebuilding_ = false;
};

}  // namespace pendara
