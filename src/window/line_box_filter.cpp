#include "window/line_box_filter.h"

#include <QDir>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

namespace pendara {

namespace {

// The first local file the drag carries, or an empty text.
QString DroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty()) {
            return QDir::toNativeSeparators(url.toLocalFile());
        }
    }
    return {};
}

}  // namespace

LineBoxFilter::LineBoxFilter(Behaviours behaviours, QObject* parent)
    : QObject(parent), behaviours_(behaviours) {}

void LineBoxFilter::install(QLineEdit& box, Behaviours behaviours) {
    if (behaviours & FileDropFills) box.setAcceptDrops(true);
    box.installEventFilter(new LineBoxFilter(behaviours, &box));
}

bool LineBoxFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress:
            if ((behaviours_ & EscClears) &&
                static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                box->clear();
            }
            break;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            if ((behaviours_ & FileDropFills) &&
                takeDroppedFile(*box, *static_cast<QDropEvent*>(event))) {
                return true;
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

bool LineBoxFilter::takeDroppedFile(QLineEdit& box, QDropEvent& drop) {
    const QString file = DroppedFile(drop.mimeData());
    if (file.isEmpty()) return false;
    // The box's own handling would insert the file's address as text where it was dropped.
    drop.setDropAction(Qt::CopyAction);
    drop.accept();
    if (drop.type() == QEvent::Drop) {
        box.setText(file);
        box.setFocus();
    }
    return true;
}

}  // namespace pendara
