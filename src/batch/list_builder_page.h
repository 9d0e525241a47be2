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
    void Load1Click();
    void Save1Click();
    void SortClick();
    void btnScrambleClick();
    void RemAllClick();
    void Button4Click();
    void Button5Click();
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
