#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class MorePage;
}

namespace pendara {

class PageContext;

// "MORE Software": the catalogue of the maker's programs with the selected entry's details.
class MorePage : public QWidget {
    Q_OBJECT
public:
    explicit MorePage(const PageContext& context, QWidget* parent = nullptr);
    ~MorePage() override;

    // Rebuilds the catalogue table through "more.txt": this program's own entry left out,
    // newest version first. Runs at every activation of the main window, so a failed write is
    // reported only the first time for this window; the grid then keeps its rows.
    void reloadCatalogue();

    // The table source, one row a line (the compiled-in catalogue unless replaced).
    void setTableSource(std::vector<std::string> lines) { lstMore_ = std::move(lines); }

public Q_SLOTS:
    void nxMoreSelectCell();
    void msDownloadClick();
    void chkShareClick();

private:
    const PageContext& context_;
    std::unique_ptr<Ui::MorePage> ui_;
    std::vector<std::string> lstMore_;
    std::vector<QPixmap> imgMore_;
    // The catalogue is reloaded at every activation of the window, and the error box itself
    // activates the window again: report a failed reload once per window, not in an endless
    // round.
    bool catalogueFailureReported_ = false;
};

}  // namespace pendara
