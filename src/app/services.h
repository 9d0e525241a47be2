#pragma once

namespace pendara {

class Dialogs;
class MessageSource;
class SettingsStore;
class SystemStatus;
class TempFolder;

// The operating-system services a main window works with. The program passes the real ones;
// tests pass doubles. Not owned.
struct Services {
    Dialogs* dialogs = nullptr;
    SystemStatus* systemStatus = nullptr;
    TempFolder* tempFolder = nullptr;
    // The per-user settings and the shell folder key; without one nothing is recorded or read.
    SettingsStore* settings = nullptr;
    // The error message texts; without one the system's own are used.
    MessageSource* messages = nullptr;
};

}  // namespace pendara
