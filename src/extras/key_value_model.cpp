#include "extras/key_value_model.h"

#include <QHeaderView>
#include <QTableView>

#include "extras/error_rows.h"

namespace pendara {

KeyValueModel::KeyValueModel(QString nameTitle, QString valueTitle, QObject* parent)
    : QAbstractTableModel(parent), titles_{std::move(nameTitle), std::move(valueTitle)} {}

int KeyValueModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int KeyValueModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant KeyValueModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const std::string& row = rows_[static_cast<std::size_t>(index.row())];
    const std::string_view part = index.column() == 0 ? RowName(row) : RowValue(row);
    return QString::fromUtf8(part.data(), static_cast<qsizetype>(part.size()));
}

QVariant KeyValueModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 2) {
        return titles_[section];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

std::string KeyValueModel::row(int index) const {
    if (index < 0 || index >= rowCount()) return {};
    return rows_[static_cast<std::size_t>(index)];
}

void KeyValueModel::setRows(std::vector<std::string> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

KeyValueModel& SetUpKeyValueGrid(QTableView& grid, const KeyValueColumns& columns) {
    auto* model = new KeyValueModel(columns.name, columns.value, &grid);
    model->setRows({std::string()});
    grid.setModel(model);
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setShowGrid(true);
    grid.setWordWrap(false);
    grid.verticalHeader()->hide();
    // Fixed row heights keep a grid of 20001 rows from measuring every row.
    grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid.verticalHeader()->setDefaultSectionSize(grid.fontMetrics().height() + 6);
    grid.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid.horizontalHeader()->setStretchLastSection(false);
    grid.setColumnWidth(0, columns.nameWidth);
    grid.setColumnWidth(1, columns.valueWidth);
    SetCurrentRow(grid, 0);
    return *model;
}

int CurrentRow(const QTableView& grid) {
    const QModelIndex current = grid.currentIndex();
    return current.isValid() ? current.row() : -1;
}

void SetCurrentRow(QTableView& grid, int row) {
    if (grid.model() == nullptr || row < 0 || row >= grid.model()->rowCount()) return;
    grid.setCurrentIndex(grid.model()->index(row, 0));
}

}  // namespace pendara
