#pragma once

#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "support/table_text.h"

namespace pendara {

class PageContext;

// A page that shows a table compiled into the program in a grid. The table reaches the grid
// through a file in the temporary folder, so a folder that cannot be written shows as a failure.
class CatalogueGridPage : public QWidget {
    Q_OBJECT
public:
    ~CatalogueGridPage() override;

    // The table source, one row a line (the compiled-in table unless replaced).
    void setTableSource(std::vector<std::string> lines) { tableSource_ = std::move(lines); }

protected:
    // The table source starts as the compiled-in table `resource`.
    CatalogueGridPage(const PageContext& context, const QString& resource, QWidget* parent);

    // How the table source is written: TableFileBytes or Utf16TableFileBytes.
    using FileBytes = std::string (*)(const std::vector<std::string>& lines);

    // Writes the table source as `fileName` in the temporary folder and reads back its rows of
    // `columns` fields; throws Failure where that cannot be done.
    std::vector<TableRow> rowsThroughFile(const std::string& fileName, FileBytes bytes,
                                          int columns) const;

    const PageContext& context_;

private:
    std::vector<std::string> tableSource_;
};

}  // namespace pendara
