#pragma once

#include <QFlags>
#include <QObject>

class QDropEvent;
class QLineEdit;

namespace pendara {

// What a one-line box does beyond its own handling, watched by one event filter:
// - EscClears: Esc empties the box; the key then goes on as usual.
// - FileDropFills: a file dropped on the box fills it with the file's full path, as a browse
//   would; other drops (plain text) go on as usual.
class LineBoxFilter : public QObject {
    Q_OBJECT
public:
    enum Behaviour { EscClears = 0x1, FileDropFills = 0x2 };
    Q_DECLARE_FLAGS(Behaviours, Behaviour)

    // Watches `box`; the filter lives as long as the box.
    static void install(QLineEdit& box, Behaviours behaviours);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LineBoxFilter(Behaviours behaviours, QObject* parent);
    // True where the drag carries a file, which the box then takes.
    static bool takeDroppedFile(QLineEdit& box, QDropEvent& drop);

    Behaviours behaviours_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(LineBoxFilter::Behaviours)

}  // namespace pendara
