#include "support/support_us_box.h"

#include "window/dialogs.h"

namespace pendara {

void ShowSupportUsBox(Dialogs& dialogs, QWidget* owner, const char* prompt, const char* text) {
    dialogs.inputBox(owner, QStringLiteral("Support Us"), QString::fromUtf8(prompt),
                     QString::fromUtf8(text));
}

}  // namespace pendara
