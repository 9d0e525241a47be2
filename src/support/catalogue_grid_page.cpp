#include "support/catalogue_grid_page.h"

#include <QFile>

#include "list/line_list.h"
#include "platform/temp_folder.h"
#include "support/support_resources.h"
#include "text/failure.h"
#include "window/page_context.h"
#include "window/services.h"

namespace pendara {

CatalogueGridPage::CatalogueGridPage(const PageContext& context, const QString& resource,
                                     QWidget* parent)
    : QWidget(parent), context_(context) {
    LoadSupportResources();
    QFile source(resource);
    if (source.open(QIODevice::ReadOnly)) tableSource_ = SplitLines(source.readAll().toStdString());
}

CatalogueGridPage::~CatalogueGridPage() = default;

std::vector<TableRow> CatalogueGridPage::rowsThroughFile(const std::string& fileName,
                                                         FileBytes bytes, int columns) const {
    TempFolder* folder = context_.services().tempFolder;
    if (folder == nullptr)
        throw Failure(QT_TRANSLATE_NOOP("pendara::Failure", "No temporary folder"));
    folder->writeFile(fileName, bytes(tableSource_));
    return ParseTableText(folder->readFile(fileName), TableTextFormat{columns, '\t', 0, '|'});
}

}  // namespace pendara
