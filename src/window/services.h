#pragma once

namespace pendara {

class Dialogs;
class MessageSource;
class SettingsStore;
class SystemStatus;
class TempFolder;

// Whether a main window shrinks, window and fonts in proportion, when the screen is too small
// for its fixed layout.
enum class ScreenFit { FixedLayout, ShrinkToScreen };

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
    ScreenFit screenFit = ScreenFit::FixedLayout;
};

}  // namespace pendara
