#pragma once

#include <QString>
#include <QTableView>
#include <vector>

#include "support/table_text.h"

namespace pendara {

class TableGridModel;

// A read-only table grid: header row, grid lines, whole rows selected, several at a time.
// A click on a column header sorts by that column; a further click on it reverses the order.
class TableGrid : public QTableView {
    Q_OBJECT
public:
    enum class SortType { TextIgnoreCase, Text, Numeric };
    struct Column {
        QString title;
        int width = 64;  // pixels; 0 for the view's default
        bool visible = true;
        SortType sort = SortType::Text;
        QString defaultValue;  // the cell's text when its row has no field for it
    };

    explicit TableGrid(QWidget* parent = nullptr);
    ~TableGrid() override;

    void setColumns(const std::vector<Column>& columns);
    int columnCount() const;
    int rowCount() const;

    // Replaces every row. The selection goes; no selection signal is raised.
    void setRows(const std::vector<TableRow>& rows);
    QString cell(int column, int row) const;

    // Sorts the rows by `column`; rows with equal keys come in no fixed order.
    void sortRows(int column, Qt::SortOrder order);

    // The row the user works with: the current row when it is selected, else the first
    // selected row; -1 when no row is selected.
    int selectedRow() const;

    // Draws `column` as five stars, as many of them filled as the cell's number (0 to 5).
    void setStarColumn(int column);

Q_SIGNALS:
    // The user changed the selection.
    void selectCell();

private:
    void headerClicked(int column);

    TableGridModel* model_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace pendara
