#include "support/table_grid.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPainter>
#include <QPainterPath>
#include <QStyledItemDelegate>
#include <QtMath>
#include <algorithm>
#include <numeric>

namespace pendara {

class TableGridModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    std::vector<TableGrid::Column> columns;
    std::vector<std::vector<QString>> rows;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(columns.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
        return rows[static_cast<std::size_t>(index.row())]
                   [static_cast<std::size_t>(index.column())];
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < columnCount()) {
            return columns[static_cast<std::size_t>(section)].title;
        }
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    void setColumns(const std::vector<TableGrid::Column>& source) {
        beginResetModel();
        columns = source;
        rows.clear();
        endResetModel();
    }

    void setRows(const std::vector<TableRow>& source) {
        beginResetModel();
        rows.clear();
        rows.reserve(source.size());
        for (const TableRow& fields : source) {
            std::vector<QString>& row = rows.emplace_back();
            row.reserve(columns.size());
            for (std::size_t c = 0; c < columns.size(); ++c) {
                row.push_back(c < fields.size() ? QString::fromStdString(fields[c])
                                                : columns[c].defaultValue);
            }
        }
        endResetModel();
    }

    void sortRows(int column, Qt::SortOrder order) {
        if (column < 0 || column >= columnCount()) return;
        const std::size_t c = static_cast<std::size_t>(column);
        const TableGrid::SortType type = columns[c].sort;
        const auto less = [&](const QString& a, const QString& b) {
            switch (type) {
                case TableGrid::SortType::TextIgnoreCase:
                    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
                case TableGrid::SortType::Numeric:
                    return a.toDouble() < b.toDouble();
                case TableGrid::SortType::Text:
                    break;
            }
            return a < b;
        };
        Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        std::vector<int> byPosition(rows.size());
        std::iota(byPosition.begin(), byPosition.end(), 0);
        std::stable_sort(byPosition.begin(), byPosition.end(), [&](int a, int b) {
            const QString& x = rows[static_cast<std::size_t>(a)][c];
            const QString& y = rows[static_cast<std::size_t>(b)][c];
            return order == Qt::AscendingOrder ? less(x, y) : less(y, x);
        });
        std::vector<std::vector<QString>> sorted;
        sorted.reserve(rows.size());
        std::vector<int> newRowOf(rows.size());
        for (std::size_t i = 0; i < byPosition.size(); ++i) {
            newRowOf[static_cast<std::size_t>(byPosition[i])] = static_cast<int>(i);
            sorted.push_back(std::move(rows[static_cast<std::size_t>(byPosition[i])]));
        }
        rows = std::move(sorted);
        // Keep the selection and the current cell on the rows they were on.
        const QModelIndexList from = persistentIndexList();
        QModelIndexList to;
        to.reserve(from.size());
        for (const QModelIndex& index : from) {
            to.append(this->index(newRowOf[static_cast<std::size_t>(index.row())], index.column()));
        }
        changePersistentIndexList(from, to);
        Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }
};

namespace {

class StarDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget != nullptr ? widget->style() : nullptr;
        if (style != nullptr)
            style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

        const int rating = std::clamp(index.data().toString().toInt(), 0, 5);
        const qreal size =
            std::min<qreal>(option.rect.height() - 4, (option.rect.width() - 4) / 5.0);
        if (size <= 2) return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QPointF origin(option.rect.left() + 2, option.rect.center().y() - size / 2);
        for (int i = 0; i < 5; ++i) {
            const QPainterPath star =
                Star(QPointF(origin.x() + size * (i + 0.5), origin.y() + size / 2), size / 2);
            painter->setPen(QPen(QColor(150, 110, 0), 1));
            painter->setBrush(i < rating ? QBrush(QColor(255, 190, 0)) : QBrush(Qt::NoBrush));
            painter->drawPath(star);
        }
        painter->restore();
    }

private:
    static QPainterPath Star(QPointF centre, qreal radius) {
        QPainterPath path;
        for (int i = 0; i < 10; ++i) {
            const qreal r = i % 2 == 0 ? radius : radius * 0.45;
            const qreal angle = -M_PI / 2 + i * M_PI / 5;
            const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
            if (i == 0) {
                path.moveTo(point);
            } else {
                path.lineTo(point);
            }
        }
        path.closeSubpath();
        return path;
    }
};

}  // namespace

TableGrid::TableGrid(QWidget* parent) : QTableView(parent), model_(new TableGridModel(this)) {
    setModel(model_);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &TableGrid::headerClicked);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &TableGrid::selectCell);
}

TableGrid::~TableGrid() = default;

void TableGrid::setColumns(const std::vector<Column>& columns) {
    model_->setColumns(columns);
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const Column& column = columns[static_cast<std::size_t>(c)];
        if (column.width > 0) setColumnWidth(c, column.width);
        setColumnHidden(c, !column.visible);
    }
}

int TableGrid::columnCount() const { return model_->columnCount(); }

int TableGrid::rowCount() const { return model_->rowCount(); }

void TableGrid::setRows(const std::vector<TableRow>& rows) { model_->setRows(rows); }

QString TableGrid::cell(int column, int row) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return {};
    return model_->rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void TableGrid::sortRows(int column, Qt::SortOrder order) {
    sortColumn_ = column;
    sortOrder_ = order;
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(column, order);
    model_->sortRows(column, order);
}

void TableGrid::headerClicked(int column) {
    const Qt::SortOrder order = column == sortColumn_ && sortOrder_ == Qt::AscendingOrder
                                    ? Qt::DescendingOrder
                                    : Qt::AscendingOrder;
    sortRows(column, order);
}

int TableGrid::selectedRow() const {
    const QItemSelection selection = selectionModel()->selection();
    const int current = selectionModel()->currentIndex().row();
    int first = -1;
    for (const QItemSelectionRange& range : selection) {
        if (current >= range.top() && current <= range.bottom()) return current;
        if (first < 0 || range.top() < first) first = range.top();
    }
    return first;
}

void TableGrid::setStarColumn(int column) {
    setItemDelegateForColumn(column, new StarDelegate(this));
}

}  // namespace pendara
