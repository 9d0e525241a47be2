#include "compare/comparer_page.h"

namespace pendara {

ComparerPage::ComparerPage(TPDFrm& window, QWidget* parent) : QWidget(parent), window_(window) {
    setObjectName(QStringLiteral("shtLComp"));
}

}  // namespace pendara
