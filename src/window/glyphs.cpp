#include "window/glyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace pendara {

namespace {

QPixmap SheetPixmap(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal m = side / 16.0;
    painter.setPen(QPen(QColor(40, 90, 170), m));
    painter.setBrush(QColor(63, 135, 224));
    painter.drawRoundedRect(QRectF(m, m, side - 2 * m, side - 2 * m), 3 * m, 3 * m);
    painter.setPen(QPen(Qt::white, 1.4 * m, Qt::SolidLine, Qt::RoundCap));
    for (int row = 0; row < 4; ++row) {
        const qreal y = side * (0.3 + 0.14 * row);
        painter.drawPoint(QPointF(side * 0.27, y));
        painter.drawLine(QPointF(side * 0.38, y), QPointF(side * (row % 2 ? 0.62 : 0.74), y));
    }
    return pixmap;
}

}  // namespace

QIcon ApplicationIcon() {
    QIcon icon;
    for (int side : {16, 32, 48, 64}) icon.addPixmap(SheetPixmap(side));
    return icon;
}

QIcon HomePageIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal u = side / 16.0;
        painter.setPen(QPen(QColor(40, 90, 170), u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(QColor(63, 135, 224));
        QPainterPath house;  // roof and walls in one outline
        house.moveTo(8 * u, 1.5 * u);
        house.lineTo(15 * u, 8 * u);
        house.lineTo(13 * u, 8 * u);
        house.lineTo(13 * u, 14.5 * u);
        house.lineTo(3 * u, 14.5 * u);
        house.lineTo(3 * u, 8 * u);
        house.lineTo(1 * u, 8 * u);
        house.closeSubpath();
        painter.drawPath(house);
        painter.setBrush(Qt::white);
        painter.setPen(Qt::NoPen);
        painter.drawRect(QRectF(6.5 * u, 10 * u, 3 * u, 4.5 * u));  // the door
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon SquareIcon(const QIcon& icon, int side) {
    QIcon square;
    for (int size : {side, 2 * side}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QPixmap native = icon.pixmap(QSize(size, size));
        painter.drawPixmap(QRect(0, 0, size, size), native);
        square.addPixmap(pixmap);
    }
    return square;
}

QPixmap BitcoinPicture(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const int d = std::min(size.width(), size.height()) - 2;
    painter.setBrush(QColor(247, 147, 26));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRect(1, 1, d, d));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(d * 2 / 3);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(1, 1, d, d), Qt::AlignCenter, QStringLiteral("B"));
    painter.setPen(Qt::black);
    font.setPixelSize(std::max(9, size.height() / 3));
    painter.setFont(font);
    painter.drawText(QRect(d + 4, 0, size.width() - d - 4, size.height()), Qt::AlignVCenter,
                     QStringLiteral("Bitcoin"));
    return pixmap;
}

}  // namespace pendara
