#pragma once

class QWidget;

namespace pendara {

class Dialogs;
class SettingsStore;
struct Services;

// Start-up steps of a main window's creation that use the settings store. Each may fail; the
// window reports the failure and opens all the same. Without a settings store both do nothing.

// Records the running executable's full path under "Software\Brantor", value "07".
// Fails with "Error creating system registry entry"; the window then skips the support check.
void RecordExecutablePath(SettingsStore* store);

// Shows the support dialog (DonateClick) over `window` when the stored flag asks for it: "1",
// empty or absent. A flag that is not text fails with "Invalid data type for '07'" and shows
// nothing.
void RunStartupSupportCheck(const Services& services, QWidget* window);

// Runs the support dialog modally for "Pendara", program number 7.
void DonateClick(SettingsStore* store, Dialogs& dialogs, QWidget* window);

}  // namespace pendara
