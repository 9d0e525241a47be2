#pragma once

#include <functional>

class QWidget;

namespace pendara {

class Dialogs;

// The one place where failures leaving a handler are caught: shows the error box (caption
// "Pendara", error icon, OK, the message with its closing full stop and a failure's detail in a
// paragraph below) and lets the program go on.
// Every slot that runs program logic goes through it, so no exception crosses Qt's event loop.
void RunGuarded(QWidget* owner, Dialogs& dialogs, const std::function<void()>& handler);

}  // namespace pendara
