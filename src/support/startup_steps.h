#pragma once

namespace pendara {

class TPDFrm;

// Start-up steps of a main window's creation that use the settings store. Each may fail; the
// window reports the failure and opens all the same.
void RecordExecutablePath(TPDFrm& window);
void RunStartupSupportCheck(TPDFrm& window);

}  // namespace pendara
