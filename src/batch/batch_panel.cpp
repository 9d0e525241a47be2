#include "batch/batch_panel.h"

namespace pendara {

BatchPanel::BatchPanel(TPDFrm& window, QWidget* parent) : QWidget(parent), window_(window) {
    setObjectName(QStringLiteral("GroupBox1"));
}

}  // namespace pendara
