#pragma once

#include <QObject>

class QLineEdit;

namespace pendara {

// Esc empties a one-line box; the key then goes on as usual.
class EscClearsBox : public QObject {
    Q_OBJECT
public:
    // Watches `box`; the filter lives as long as the box.
    static void install(QLineEdit& box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace pendara
