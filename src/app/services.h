#pragma once

namespace pendara {

class Dialogs;
class SystemStatus;
class TempFolder;

// The operating-system services a main window works with. The program passes the real ones;
// tests pass doubles. Not owned.
struct Services {
    Dialogs* dialogs = nullptr;
    SystemStatus* systemStatus = nullptr;
    TempFolder* tempFolder = nullptr;
};

}  // namespace pendara
