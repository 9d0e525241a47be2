#include "window/control_link.h"

#include <QObject>
#include <QVariant>

#include "window/dialogs.h"

namespace pendara {

void SetLinkTarget(QObject& control, const QString& target) {
    control.setProperty(kLinkProperty, target);
}

QString LinkTarget(const QObject& control) { return control.property(kLinkProperty).toString(); }

void OpenLinkOf(Dialogs& dialogs, QWidget* owner, const QObject* control) {
    if (control != nullptr) dialogs.openWithShell(owner, LinkTarget(*control));
}

}  // namespace pendara
