#pragma once

#include <QMenu>
#include <functional>
#include <string>

#include "files/file_form.h"

class QAction;
class QActionGroup;

namespace pendara {

class MainList;

// "File Form: UTF-16 LE, LF": shows the form Save List will write the Main List in and lets the
// user change its encoding form and line ends before saving. It follows the list each time it
// opens; a menu that holds it calls showForm() as it opens, so the title is up to date.
class FileFormMenu : public QMenu {
    Q_OBJECT
public:
    explicit FileFormMenu(MainList& list, QWidget* parent = nullptr);

    // Checks the items of the list's present form and names it in the title.
    void showForm();

private:
    // A checkable item of `group` that changes one part of the list's form.
    void addChoice(QActionGroup& group, const std::string& text,
                   std::function<void(FileForm&)> change);

    MainList& list_;
    QActionGroup* encodings_;
    QActionGroup* lineEnds_;
};

}  // namespace pendara
