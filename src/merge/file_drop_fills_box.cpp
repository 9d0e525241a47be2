#include "merge/file_drop_fills_box.h"

#include <QDir>
#include <QDropEvent>
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

void FileDropFillsBox::install(QLineEdit& box) {
    box.setAcceptDrops(true);
    box.installEventFilter(new FileDropFillsBox(&box));
}

bool FileDropFillsBox::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    const QEvent::Type type = event->type();
    if (box == nullptr ||
        (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)) {
        return QObject::eventFilter(watched, event);
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const QString file = DroppedFile(drop->mimeData());
    if (file.isEmpty()) return QObject::eventFilter(watched, event);
    // The box's own handling would insert the file's address as text where it was dropped.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        box->setText(file);
        box->setFocus();
    }
    return true;
}

}  // namespace pendara
