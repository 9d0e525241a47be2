#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace pendara {

class Dialogs;

// The one place where failures leaving a handler are caught: shows the error box (caption
// "Pendara", error icon, OK, the message with its closing full stop and a failure's detail in a
// paragraph below) and lets the program go on.
// Every slot that runs program logic goes through it, so no exception crosses Qt's event loop.
void RunGuarded(QWidget* owner, Dialogs& dialogs, const std::function<void()>& handler);

// A failure's message in the user's language: a message the program writes whole, or one of its
// patterns with the data (a file name, the system's reason, a number) kept as they are.
// Example: "Cannot open file \"/a.txt\". No such file" becomes, in German,
// "Die Datei \"/a.txt\" kann nicht geöffnet werden. No such file". A message it does not know
// (one written by a library, or with a prefix such as a recipe's line) stays as it is.
QString TranslatedFailure(const std::string& message);

}  // namespace pendara
