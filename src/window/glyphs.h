#pragma once

#include <QIcon>

namespace pendara {

// The program's own pictures, drawn rather than shipped: the application icon (a sheet with
// list lines) and the Bitcoin button's coin.
QIcon ApplicationIcon();
// A house, for the button that opens the maker's home page.
QIcon HomePageIcon();
// `icon` drawn at exactly `side` pixels square, so buttons that show icons of different native
// sizes line up their captions.
QIcon SquareIcon(const QIcon& icon, int side);
QPixmap BitcoinPicture(const QSize& size);

}  // namespace pendara
