#pragma once

#include <QtGlobal>
#include <initializer_list>
#include <utility>

class QLineEdit;
class QObject;
class QWidget;

namespace pendara {

class Dialogs;

// A "..." button beside list-file boxes: its Tag picks the box among `boxes` (Tag, box) and the
// user picks a list file for it in the shared "Browse" dialog, which starts in the folder named
// by the box's text. A confirmed choice puts the file's full path into the box; a cancel leaves
// the box as it was, and a Tag no box has does nothing. No file name carries over from one browse
// to the next; a failure goes to the error box.
void BrowseForTaggedBox(const QObject* button,
                        std::initializer_list<std::pair<int, QLineEdit*>> boxes, Dialogs& dialogs,
                        QWidget* owner);

}  // namespace pendara
