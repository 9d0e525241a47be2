#include "support/startup_steps.h"

#include <QCoreApplication>
#include <QFile>

#include "platform/settings_store.h"
#include "support/maker_info.h"
#include "support/support_dialog.h"
#include "support/support_flag.h"
#include "window/dialogs.h"
#include "window/services.h"

namespace pendara {

void RecordExecutablePath(SettingsStore* store) {
    if (store == nullptr) return;
    // The path as the file system spells it, not re-encoded.
    const QByteArray path = QFile::encodeName(QCoreApplication::applicationFilePath());
    SetRegText(*store, SettingsRoot::CurrentUser, kMakerKey, SupportValueName(kProgramNumber),
               path.toStdString());
}

void RunStartupSupportCheck(const Services& services, QWidget* window) {
    SettingsStore* store = services.settings;
    if (store == nullptr) return;
    const std::string flag = ReadRegText(*store, SettingsRoot::CurrentUser, kSupportKey,
                                         SupportValueName(kProgramNumber));
    if (ShouldShowSupportDialog(flag)) DonateClick(store, *services.dialogs, window);
}

void DonateClick(SettingsStore* store, Dialogs& dialogs, QWidget* window) {
    TfrmDonate dialog(store, dialogs, window);
    dialog.setProperty("helpKeyword", QString::fromUtf8(maker::kProductName));
    dialog.setProperty("tag", kProgramNumber);
    dialogs.runModal(dialog);
}

}  // namespace pendara
