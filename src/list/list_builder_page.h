#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class ListBuilderPage;
}

namespace pendara {

class MainList;
class TPDFrm;

// The List Builder page: the Main List, the batch panel beside it and the seven commands on the
// whole list under it.
class ListBuilderPage : public QWidget {
    Q_OBJECT
public:
    explicit ListBuilderPage(TPDFrm& window, QWidget* parent = nullptr);
    ~ListBuilderPage() override;

    MainList& mainList() { return *mainList_; }

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
    void guard(const std::function<void()>& handler);

    TPDFrm& window_;
    std::unique_ptr<Ui::ListBuilderPage> ui_;
    std::unique_ptr<MainList> mainList_;
};

}  // namespace pendara
