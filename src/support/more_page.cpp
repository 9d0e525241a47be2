#include "support/more_page.h"

namespace pendara {

MorePage::MorePage(TPDFrm& window, QWidget* parent) : QWidget(parent), window_(window) {
    setObjectName(QStringLiteral("shtMore"));
}

void MorePage::reloadCatalogue() {}

}  // namespace pendara
