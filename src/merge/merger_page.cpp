#include "merge/merger_page.h"

namespace pendara {

MergerPage::MergerPage(TPDFrm& window, QWidget* parent) : QWidget(parent), window_(window) {
    setObjectName(QStringLiteral("shtLMerge"));
}

}  // namespace pendara
