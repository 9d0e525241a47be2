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

class TPDFrm;

// "MORE Software": the catalogue of the maker's programs with the selected entry's details.
class MorePage : public QWidget {
    Q_OBJECT
public:
    explicit MorePage(TPDFrm& window, QWidget* parent = nullptr);
    ~MorePage() override;

    // Rebuilds the catalogue table through "more.txt": this program's own entry left out,
    // newest version first. Runs at every activation of the main window, so a failed write is
    // reported only the first time in a run; the grid then keeps its rows.
    void reloadCatalogue();

    // The table source, one row a line (the compiled-in catalogue unless replaced).
    void setTableSource(std::vector<std::string> lines) { lstMore_ = std::move(lines); }

public Q_SLOTS:
    void nxMoreSelectCell();
    void msDownloadClick();
    void chkShareClick();

private:
    void guard(const std::function<void()>& handler);

    TPDFrm& window_;
    std::unique_ptr<Ui::MorePage> ui_;
    std::vector<std::string> lstMore_;
    std::vector<QPixmap> imgMore_;
};

}  // namespace pendara
