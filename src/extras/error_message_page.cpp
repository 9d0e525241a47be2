#include "extras/error_message_page.h"

namespace pendara {

ErrorMessagePage::ErrorMessagePage(TPDFrm& window, QWidget* parent) : QWidget(parent), window_(window) {
    setObjectName(QStringLiteral("shtError"));
}

}  // namespace pendara
