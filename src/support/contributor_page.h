#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class ContributorPage;
}

namespace pendara {

class PageContext;

// "Contributor List": the people who helped the program, filled once per run on first demand.
class ContributorPage : public QWidget {
    Q_OBJECT
public:
    explicit ContributorPage(const PageContext& context, QWidget* parent = nullptr);
    ~ContributorPage() override;

    // Fills the grid from the table source through "Contributor.txt" unless it has rows
    // already. A failed write leaves the grid empty, so the next call tries again.
    void loadContributors();

    // The table source, one row a line (the compiled-in table unless replaced).
    void setTableSource(std::vector<std::string> lines) { mContributor_ = std::move(lines); }

public Q_SLOTS:
    void nxContributorSelectCell();
    void btnHTSUClick();
    void VisitURL2();

private:
    const PageContext& context_;
    std::unique_ptr<Ui::ContributorPage> ui_;
    std::vector<std::string> mContributor_;
};

}  // namespace pendara
