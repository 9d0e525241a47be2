#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QToolButton;

namespace pendara {

class Dialogs;
class MainList;

// Find and Go to Line for the Main List: a one-row bar that shows on demand under the list.
// Searching is the editor's own, from the selection onwards, wrapping round the list's end; it
// never reads the list as a whole, so a long list costs no more than the way to the next match.
// Enter in the find box finds the next match, Shift+Enter the previous one; Esc in the bar
// hides it and gives the list the focus back. A search or line that leads nowhere beeps.
class FindBar : public QWidget {
    Q_OBJECT
public:
    FindBar(MainList& list, Dialogs& dialogs, QWidget* parent);

    // Shows the bar with the focus in the find box, holding the selection when it is on one line.
    void showFind();
    // Shows the bar with the focus in the line box.
    void showGoTo();
    // Selects the next or previous match of the find box's text; with no text, shows the bar.
    bool findNext();
    bool findPrevious();
    // Puts the caret at the start of line `line` (from 1; beyond the ends: the first or the last
    // line) and gives the list the focus.
    void goToLine(int line);
    // Hides the bar and gives the list the focus.
    void close();

Q_SIGNALS:
    // The bar was shown or hidden: the page makes room for it.
    void shownChanged(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reveal(QWidget* focus);
    bool find(bool forwards);
    void goToTyped();

    MainList& list_;
    Dialogs& dialogs_;
    QLineEdit* findBox_;
    QToolButton* previous_;
    QToolButton* next_;
    QCheckBox* matchCase_;
    QCheckBox* wholeWord_;
    QLineEdit* lineBox_;
    QToolButton* close_;
};

}  // namespace pendara
