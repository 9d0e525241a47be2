#include "compare/line_list_model.h"

namespace pendara {

void LineListModel::setLines(LineList lines) {
    beginResetModel();
    lines_ = std::make_shared<const LineList>(std::move(lines));
    endResetModel();
}

int LineListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : lines_->count();
}

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= lines_->count()) return {};
    const std::string& line = lines_->lines()[static_cast<std::size_t>(index.row())];
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

}  // namespace pendara
