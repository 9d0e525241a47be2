#include "extras/shell_folder_page.h"

namespace pendara {

ShellFolderPage::ShellFolderPage(TPDFrm& window, QWidget* parent) : QWidget(parent), window_(window) {
    setObjectName(QStringLiteral("shtSFolder"));
}

void ShellFolderPage::ReadSF() {}

}  // namespace pendara
