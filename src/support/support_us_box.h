#pragma once

class QWidget;

namespace pendara {

class Dialogs;

// The "Support Us" box: `prompt` above `text` (an address or number), which the user can select
// and copy.
void ShowSupportUsBox(Dialogs& dialogs, QWidget* owner, const char* prompt, const char* text);

}  // namespace pendara
