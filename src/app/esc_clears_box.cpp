#include "app/esc_clears_box.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace pendara {

void EscClearsBox::install(QLineEdit& box) { box.installEventFilter(new EscClearsBox(&box)); }

bool EscClearsBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) box->clear();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace pendara
