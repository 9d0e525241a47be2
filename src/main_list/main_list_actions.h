#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "window/dialogs.h"

class QAction;
class QMenu;
class QWidget;

namespace pendara {

class CommandDialog;
class MainList;
class PageContext;

// Undo, redo and the list commands on the Main List, as actions whose shortcuts work wherever
// the focus is in the window (a text box keeps its own undo keys), and the Main List's context
// menu that shows them beside the editor's own Cut, Copy, Paste and Select All.
class MainListActions : public QObject {
    Q_OBJECT
public:
    // The actions' shortcuts belong to `page`: they work while it shows.
    MainListActions(const PageContext& context, MainList& mainList, QWidget& page);
    ~MainListActions() override;

    // Hangs `menu` (which stays the caller's) into the context menu after the list commands.
    void addMenuSection(QMenu* menu);
    // The context menu as it shows now, Undo, Redo, Cut, Copy and Paste enabled as they apply.
    std::unique_ptr<QMenu> makeMenu(QWidget* parent);
    // Every action with a shortcut of its own.
    std::vector<QAction*> shortcutActions() const;

public Q_SLOTS:
    // Undo and Redo of the Main List's own history; a whole-list step brings the work list along.
    void undo();
    void redo();
    // Number Lines...: asks how, then numbers every line as one step.
    void numberLines();
    // The command dialog, on `command` when given.
    void showCommands(const std::string& command = {});

Q_SIGNALS:
    // The menu is made and about to show; callers may add to it.
    void aboutToShow(QMenu* menu);

private:
    // Takes back or makes again the newest step.
    void step(bool backwards);
    QAction* makeAction(const char* name, const QString& text, const QList<QKeySequence>& keys);
    // Runs a command of the catalogue, written as on the command line, on the Main List.
    void run(const std::string& invocation);

    const PageContext& context_;
    MainList& mainList_;
    QWidget& page_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* newWindow_ = nullptr;
    std::vector<QAction*> listCommands_;
    std::vector<QAction*> recipeCommands_;
    QPointer<CommandDialog> commandDialog_;
    std::vector<QPointer<QMenu>> sections_;
    Dialogs::Numbering numbering_;
};

}  // namespace pendara
