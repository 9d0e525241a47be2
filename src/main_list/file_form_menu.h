#pragma once

#include <QMenu>
#include <functional>
#include <string>

#include "files/file_form.h"

class QAction;
class QActionGroup;

namespace pendara {

class MainList;

// "UTF-16 LE, LF" as DescribeFileForm gives it, in the user's language; a code page's name
// stays as it is.
QString FileFormCaption(const FileForm& form);

// "File Form: UTF-16 LE, LF": shows the form Save List will write the Main List in and lets the
// user change its encoding form and line ends before saving, or read the list's file again in
// another encoding. It follows the list each time it opens; a menu that holds it calls
// showForm() as it opens, so the title is up to date.
class FileFormMenu : public QMenu {
    Q_OBJECT
public:
    // Runs a handler that may fail and shows the failure.
    using Guard = std::function<void(const std::function<void()>&)>;

    explicit FileFormMenu(MainList& list, QWidget* parent = nullptr);

    // Checks the items of the list's present form and names it in the title.
    void showForm();
    // Reopening reports its failures through `guard`; without one they are dropped.
    void setGuard(Guard guard) { guard_ = std::move(guard); }

    // The list's bytes as Save would write them, read again in `encoding`, as one undo step.
    void reopen(const std::string& encoding);

private:
    // A checkable item of `group` that changes one part of the list's form.
    QAction* addChoice(QActionGroup& group, const std::string& text,
                       std::function<void(FileForm&)> change);
    void addReopenItem(QMenu& menu, const std::string& encoding);

    MainList& list_;
    QActionGroup* encodings_;
    QActionGroup* lineEnds_;
    // The list's code page, shown only while it has one.
    QAction* codePage_;
    QMenu* reopen_;
    Guard guard_;
};

}  // namespace pendara
