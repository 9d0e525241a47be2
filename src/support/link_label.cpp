#include "support/link_label.h"

#include <QMouseEvent>

#include "window/readable_colour.h"

namespace pendara {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    SetTextColour(*this, QColor(0, 0, 255));
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
}

}  // namespace pendara
