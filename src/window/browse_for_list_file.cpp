#include "window/browse_for_list_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QVariant>

#include "files/browse_folder.h"
#include "window/dialogs.h"
#include "window/handler_guard.h"

namespace pendara {

namespace {

void BrowseForListFile(QLineEdit& box, Dialogs& dialogs, QWidget* owner) {
    Dialogs::FileDialog dialog;
    dialog.title = QCoreApplication::translate("pendara::Dialogs", "Browse");
    dialog.filter = QCoreApplication::translate("pendara::Dialogs", "Text File (*.txt)");
    dialog.purpose = QStringLiteral("Browse");
    dialog.initialFolder = QString::fromStdString(InitialBrowseFolder(box.text().toStdString()));
    const std::optional<QString> chosen = dialogs.openFile(owner, dialog);
    if (!chosen || chosen->isEmpty()) return;
    box.setText(QFileInfo(*chosen).absoluteFilePath());
}

}  // namespace

void BrowseForTaggedBox(const QObject* button,
                        std::initializer_list<std::pair<int, QLineEdit*>> boxes, Dialogs& dialogs,
                        QWidget* owner) {
    const int tag = button != nullptr ? button->property("tag").toInt() : -1;
    for (const auto& [boxTag, box] : boxes) {
        if (boxTag == tag) {
            RunGuarded(owner, dialogs, [&] { BrowseForListFile(*box, dialogs, owner); });
            return;
        }
    }
}

}  // namespace pendara
