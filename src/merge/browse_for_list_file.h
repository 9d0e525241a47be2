#pragma once

class QLineEdit;
class QWidget;

namespace pendara {

class Dialogs;

// Lets the user pick a list file for `box` in the shared "Browse" dialog, which starts in the
// folder named by the box's text. A confirmed choice puts the file's full path into the box; a
// cancel leaves the box as it was. No file name carries over from one browse to the next.
void BrowseForListFile(QLineEdit& box, Dialogs& dialogs, QWidget* owner);

}  // namespace pendara
