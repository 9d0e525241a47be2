#pragma once

#include <QObject>

class QLineEdit;

namespace pendara {

// A file dropped on a file box fills the box with the file's full path, as a browse would;
// other drops (plain text) go on as usual.
class FileDropFillsBox : public QObject {
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
