#pragma once

#include <QString>

class QObject;
class QWidget;

namespace pendara {

class Dialogs;

// A control that opens a web address or folder keeps its target in this dynamic property.
inline constexpr const char* kLinkProperty = "helpKeyword";

void SetLinkTarget(QObject& control, const QString& target);
QString LinkTarget(const QObject& control);

// Opens `control`'s target with the shell; no control (a slot called directly) opens nothing.
void OpenLinkOf(Dialogs& dialogs, QWidget* owner, const QObject* control);

}  // namespace pendara
