#pragma once

#include <memory>

#include "support/catalogue_grid_page.h"

namespace Ui {
class ContributorPage;
}

namespace pendara {

class PageContext;

// "Contributor List": the people who helped the program, filled once per run on first demand.
class ContributorPage : public CatalogueGridPage {
    Q_OBJECT
public:
    explicit ContributorPage(const PageContext& context, QWidget* parent = nullptr);
    ~ContributorPage() override;

    // Fills the grid from the table source through "Contributor.txt" unless it has rows
    // already. A failed write leaves the grid empty, so the next call tries again.
    void loadContributors();

private:
    void nxContributorSelectCell();
    void btnHTSUClick();
    void VisitURL2();

    std::unique_ptr<Ui::ContributorPage> ui_;
};

}  // namespace pendara
