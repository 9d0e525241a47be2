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
    int pageCount() const { return static_cast<int>(pages_.size()); }
    QWidget* pageAt(int index) const { return pages_.at(static_cast<std::size_t>(index)).widget; }

    void setTabVisible(QWidget* page, bool visible);
    bool isTabVisible(QWidget* page) const;
    // Captions of the tabs that show, in page order.
    QStringList visibleTabs() const;

    void setActivePage(QWidget* page);
    QWidget* activePage() const;

Q_SIGNALS:
    void activePageChanged(QWidget* page);

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
