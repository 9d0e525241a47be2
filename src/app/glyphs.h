#pragma once

#include <QIcon>

namespace pendara {

// The program's own pictures, drawn rather than shipped: the application icon (a sheet with
// list lines) and the Bitcoin button's coin.
QIcon ApplicationIcon();
QPixmap BitcoinPicture(const QSize& size);

}  // namespace pendara
