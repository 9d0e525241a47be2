#include "support/support_page.h"

namespace pendara {

SupportPage::SupportPage(TPDFrm& window, QWidget* parent) : QWidget(parent), window_(window) {
    setObjectName(QStringLiteral("shtSU"));
}

}  // namespace pendara
