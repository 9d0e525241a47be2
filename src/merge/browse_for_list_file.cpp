#include "merge/browse_for_list_file.h"

#include <QFileInfo>
#include <QLineEdit>

#include "app/dialogs.h"
#include "merge/browse_folder.h"

namespace pendara {

void BrowseForListFile(QLineEdit& box, Dialogs& dialogs, QWidget* owner) {
    Dialogs::FileDialog dialog;
    dialog.title = QStringLiteral("Browse");
    dialog.filter = QStringLiteral("Text File (*.txt)");
    dialog.purpose = QStringLiteral("Browse");
    dialog.initialFolder = QString::fromStdString(InitialBrowseFolder(box.text().toStdString()));
    const std::optional<QString> chosen = dialogs.openFile(owner, dialog);
    if (!chosen || chosen->isEmpty()) return;
    box.setText(QFileInfo(*chosen).absoluteFilePath());
}

}  // namespace pendara
