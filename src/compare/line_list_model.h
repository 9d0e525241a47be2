#pragma once

#include <QAbstractListModel>
#include <memory>

#include "list/line_list.h"

namespace pendara {

// A read-only list model over the lines of a LineList, so a list view can show a million lines
// without a widget item per line. The model owns the lines; they keep their bytes exactly, and
// only the shown text is decoded (as UTF-8, stray bytes shown as replacement characters).
class LineListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces every line at once: views repaint once, not once per line.
    void setLines(LineList lines);
    void clear() { setLines(LineList()); }
    const LineList& lines() const { return *lines_; }
    // The lines as they are now, for a worker: new lines replace them, never change them.
    std::shared_ptr<const LineList> shared() const { return lines_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::shared_ptr<const LineList> lines_ = std::make_shared<const LineList>();
};

}  // namespace pendara
