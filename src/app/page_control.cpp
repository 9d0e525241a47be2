#include "app/page_control.h"

#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include "window/button_keys.h"

namespace pendara {

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), tabs_(new QTabBar(this)), stack_(new QStackedWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(stack_);
    tabs_->setExpanding(false);
    tabs_->setDrawBase(true);
    tabs_->hide();
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (rebuilding_ || index < 0) return;
        setActivePage(tabs_->tabData(index).value<QWidget*>());
    });
    // A page chosen by mouse takes the focus at its first control, as a side-menu choice does;
    // a tab chosen by keys keeps it on the tabs.
    connect(tabs_, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index < 0) return;
        QWidget* page = tabs_->tabData(index).value<QWidget*>();
        QTimer::singleShot(0, page, [page] { FocusFirstControl(*page); });
    });
}

void PageControl::addPage(QWidget* page, const QString& caption) {
    pages_.push_back({page, caption, true});
    stack_->addWidget(page);
    rebuildTabs();
}

int PageControl::indexOf(QWidget* page) const {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (pages_[i].widget == page) return static_cast<int>(i);
    }
    return -1;
}

void PageControl::setTabVisible(QWidget* page, bool visible) {
    const int index = indexOf(page);
    if (index < 0 || pages_[static_cast<std::size_t>(index)].tabVisible == visible) return;
    pages_[static_cast<std::size_t>(index)].tabVisible = visible;
    rebuildTabs();
}

void PageControl::hideAllTabs() {
    for (Entry& entry : pages_) entry.tabVisible = false;
    rebuildTabs();
}

QStringList PageControl::visibleTabs() const {
    QStringList captions;
    for (const Entry& entry : pages_) {
        if (entry.tabVisible) captions << entry.caption;
    }
    return captions;
}

void PageControl::setActivePage(QWidget* page) {
    if (indexOf(page) < 0) return;
    stack_->setCurrentWidget(page);
    rebuildTabs();
}

QWidget* PageControl::activePage() const { return stack_->currentWidget(); }

void PageControl::rebuildTabs() {
    rebuilding_ = true;
    while (tabs_->count() > 0) tabs_->removeTab(0);
    for (const Entry& entry : pages_) {
        if (!entry.tabVisible) continue;
        const int index = tabs_->addTab(entry.caption);
        tabs_->setTabData(index, QVariant::fromValue(entry.widget));
        if (entry.widget == stack_->currentWidget()) tabs_->setCurrentIndex(index);
    }
    tabs_->setVisible(tabs_->count() > 0);
    rebuilding_ = false;
}

}  // namespace pendara
