#include "support/more_page.h"

#include <QFile>
#include <QLabel>

#include "support/maker_info.h"
#include "text/failure.h"
#include "text/number_box_rule.h"
#include "ui_more_page.h"
#include "window/control_link.h"
#include "window/dialogs.h"
#include "window/error_text.h"
#include "window/handler_guard.h"
#include "window/page_context.h"

namespace pendara {

namespace {

enum Column { kName, kVersion, kDescription, kRating, kDownloadLink, kId, kShareLink, kColumns };

QString Escaped(const QString& text) {
    return QString::fromStdString(EscapeMnemonics(text.toStdString()));
}

}  // namespace

MorePage::MorePage(const PageContext& context, QWidget* parent)
    : CatalogueGridPage(context, QStringLiteral(":/tables/more.tsv"), parent),
      ui_(std::make_unique<Ui::MorePage>()) {
    ui_->setupUi(this);
    ui_->nxMore->setAccessibleName(tr("Programs"));
    using Sort = TableGrid::SortType;
    ui_->nxMore->setColumns({{tr("Program Name"), 170, true, Sort::TextIgnoreCase, {}},
                             {tr("Version"), 70, true, Sort::Text, {}},
                             {tr("Description"), 370, true, Sort::Text, {}},
                             {tr("Rating"), 100, true, Sort::Numeric, QStringLiteral("0")},
                             {tr("Download Link"), 120, false, Sort::Text, {}},
                             {QStringLiteral("ID"), 0, false, Sort::Text, {}},
                             {tr("Share Link"), 0, false, Sort::Text, {}}});
    ui_->nxMore->setStarColumn(kRating);

    // The icons in the order of their IDs.
    for (int id = 0;; ++id) {
        const QString path = QStringLiteral(":/icons/more/%1.png").arg(id, 2, 10, QLatin1Char('0'));
        if (!QFile::exists(path)) break;
        imgMore_.emplace_back(path);
    }

    for (QWidget* detail :
         {static_cast<QWidget*>(ui_->imgPIcon), static_cast<QWidget*>(ui_->lblPName),
          static_cast<QWidget*>(ui_->lblPDetails), static_cast<QWidget*>(ui_->msDownload),
          static_cast<QWidget*>(ui_->chkShare)}) {
        detail->hide();
    }
    connect(ui_->nxMore, &TableGrid::selectCell, this, &MorePage::nxMoreSelectCell);
    connect(ui_->msDownload, &QAbstractButton::clicked, this, &MorePage::msDownloadClick);
    connect(ui_->chkShare, &QAbstractButton::clicked, this, &MorePage::chkShareClick);
}

MorePage::~MorePage() = default;

void MorePage::reloadCatalogue() {
    std::vector<TableRow> rows;
    try {
        rows = rowsThroughFile("more.txt", &TableFileBytes, kColumns);
    } catch (const Failure& failure) {
        if (catalogueFailureReported_) return;
        catalogueFailureReported_ = true;
        const std::string message = failure.what();
        RunGuarded(this, context_.dialogs(), [&] { throw Failure(message); });
        return;
    }

    // Of several entries named like this program, the one nearest the end goes.
    const std::string ownName = maker::kProductName;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (!row->empty() && row->front() == ownName) {
            rows.erase(std::next(row).base());
            break;
        }
    }
    ui_->nxMore->setRows(rows);
    ui_->nxMore->sortRows(kVersion, Qt::DescendingOrder);
}

void MorePage::nxMoreSelectCell() {
    RunGuarded(this, context_.dialogs(), [&] {
        ui_->imgPIcon->clear();
        const TableGrid& grid = *ui_->nxMore;
        const int row = grid.selectedRow();
        for (QWidget* detail :
             {static_cast<QWidget*>(ui_->imgPIcon), static_cast<QWidget*>(ui_->lblPName),
              static_cast<QWidget*>(ui_->lblPDetails), static_cast<QWidget*>(ui_->msDownload)}) {
            detail->setVisible(row >= 0);
        }
        if (row < 0) return;

        ui_->lblPName->setText(Escaped(grid.cell(kName, row)) + QLatin1Char(' ') +
                               grid.cell(kVersion, row));
        ui_->lblPDetails->setText(Escaped(grid.cell(kDescription, row)));
        SetLinkTarget(*ui_->msDownload, grid.cell(kDownloadLink, row));

        const QString idText = grid.cell(kId, row);
        const std::optional<std::int32_t> id = ParseWholeNumber(idText.toStdString());
        if (!id)
            throw Failure(
                FormatMessage("'%s' is not a valid integer value", {idText.toStdString()}));
        // The icon index is kept in 8 bits.
        const std::size_t index = static_cast<std::uint8_t>(*id);
        if (index < imgMore_.size()) ui_->imgPIcon->setPixmap(imgMore_[index]);

        ui_->chkShare->setVisible(!grid.cell(kShareLink, row).isEmpty());
    });
}

void MorePage::msDownloadClick() {
    RunGuarded(this, context_.dialogs(), [&] {
        const TableGrid& grid = *ui_->nxMore;
        const int row = grid.selectedRow();
        if (row < 0) return;
        const bool share = !ui_->chkShare->isHidden() && ui_->chkShare->isChecked();
        context_.dialogs().openWithShell(&context_.window(),
                                         grid.cell(share ? kShareLink : kDownloadLink, row));
    });
}

void MorePage::chkShareClick() {
    ui_->chkShare->setText(ui_->chkShare->isChecked() ? tr("Share :)") : tr("Share :("));
}

}  // namespace pendara
