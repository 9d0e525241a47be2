#include "support/support_us_box.h"

#include <QCoreApplication>

#include "window/dialogs.h"

namespace pendara {

void ShowSupportUsBox(Dialogs& dialogs, QWidget* owner, const char* prompt, const char* text) {
    dialogs.inputBox(owner, QCoreApplication::translate("pendara::SupportPage", "Support Us"),
                     QCoreApplication::translate("pendara::maker", prompt),
                     QString::fromUtf8(text));
}

}  // namespace pendara
