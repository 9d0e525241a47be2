#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace pendara {

// The wait cursor over the program while an operation runs: a long one shows it, a short one
// ends before the pointer is drawn again. Nested uses stack.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace pendara
