#pragma once

#include <QPixmap>
#include <memory>
#include <vector>

#include "support/catalogue_grid_page.h"

namespace Ui {
class MorePage;
}

namespace pendara {

class PageContext;

// "MORE Software": the catalogue of the maker's programs with the selected entry's details.
class MorePage : public CatalogueGridPage {
    Q_OBJECT
public:
    explicit MorePage(const PageContext& context, QWidget* parent = nullptr);
    ~MorePage() override;

    // Rebuilds the catalogue table through "more.txt": this program's own entry left out,
    // newest version first. Runs at every activation of the main window, so a failed write is
    // reported only the first time for this window; the grid then keeps its rows.
    void reloadCatalogue();

private:
    void nxMoreSelectCell();
    void msDownloadClick();
    void chkShareClick();

    std::unique_ptr<Ui::MorePage> ui_;
    std::vector<QPixmap> imgMore_;
    // The catalogue is reloaded at every activation of the window, and the error box itself
    // activates the window again: report a failed reload once per window, not in an endless
    // round.
    bool catalogueFailureReported_ = false;
};

}  // namespace pendara
