#pragma once

#include <QAbstractTableModel>
#include <string>
#include <vector>

class QTableView;

namespace pendara {

// The rows of a two-column key/value grid: texts "name=value" shown split at the first "=".
// Rows are kept as the program's byte texts and turned into display text only when painted, so
// tens of thousands of rows fill at once.
class KeyValueModel : public QAbstractTableModel {
    Q_OBJECT
public:
    KeyValueModel(QString nameTitle, QString valueTitle, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The row text, or "" for a row that does not exist.
    std::string row(int index) const;
    void setRows(std::vector<std::string> rows);

private:
    QString titles_[2];
    std::vector<std::string> rows_;
};

struct KeyValueColumns {
    QString name;
    int nameWidth;
    QString value;
    int valueWidth;
};

// Gives `grid` a model of its own, one empty row long with that row current: a read-only grid
// that selects whole rows and has fixed row heights.
KeyValueModel& SetUpKeyValueGrid(QTableView& grid, const KeyValueColumns& columns);

// The grid's current row, or -1.
int CurrentRow(const QTableView& grid);
// Makes `row` current without selecting anything else; nothing for a row that does not exist.
void SetCurrentRow(QTableView& grid, int row);

}  // namespace pendara
