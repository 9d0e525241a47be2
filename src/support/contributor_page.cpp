#include "support/contributor_page.h"

namespace pendara {

ContributorPage::ContributorPage(TPDFrm& window, QWidget* parent) : QWidget(parent), window_(window) {
    setObjectName(QStringLiteral("shtContrib"));
}

}  // namespace pendara
