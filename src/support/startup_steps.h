#pragma once

namespace pendara {

class TPDFrm;

// Start-up steps of a main window's creation that use the settings store. Each may fail; the
// window reports the failure and opens all the same. Without a settings store in the window's
// services both do nothing.

// Records the running executable's full path under "Software\Brantor", value "07".
// Fails with "Error creating system registry entry"; the window then skips the support check.
void RecordExecutablePath(TPDFrm& window);

// Shows the support dialog (DonateClick) when the stored flag asks for it: "1", empty or absent.
// A flag that is not text fails with "Invalid data type for '07'" and shows nothing.
void RunStartupSupportCheck(TPDFrm& window);

// Runs the support dialog modally for "Pendara", program number 7.
void DonateClick(TPDFrm& window);

}  // namespace pendara
