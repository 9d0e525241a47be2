#pragma once

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QStackedWidget>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "app/page_control.h"
#include "app/window_fixture.h"
#include "commands/catalogue.h"
#include "main_list/command_dialog.h"
#include "main_list/main_list_actions.h"
#include "main_list/recipe_window.h"
#include "support/about_dialog.h"
#include "support/support_dialog.h"
#include "window/numbering_dialog.h"

namespace pendara::testing {

// Whether `w` shows on `top` once its page is chosen: nothing between them is hidden, but for
// the pages a stack hides while another one shows.
inline bool ShowsOnSomePage(const QWidget& w, const QWidget& top) {
    for (const QWidget* at = &w; at != nullptr && at != &top; at = at->parentWidget()) {
        if (at->isHidden() && qobject_cast<const QStackedWidget*>(at->parentWidget()) == nullptr)
            return false;
    }
    return true;
}

// Builds the main window with every page, the Main List's context menu with its sections, the
// command dialog (once for each command, since its controls follow the command), the recipe
// steps dialog, the Number Lines box, About and the support dialog, and hands each top widget
// to `look` while it is shown. `where` names what is looked at, for the failure message.
inline void VisitEveryWindow(const std::function<void(QWidget& top, const QString& where)>& look) {
    WindowFixture f;
    TPDFrm& window = f.make();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    look(window, QStringLiteral("main window"));

    auto* actions = window.findChild<MainListActions*>();
    QVERIFY(actions != nullptr);
    const std::unique_ptr<QMenu> menu = actions->makeMenu(&window);
    look(*menu, QStringLiteral("context menu"));
    for (QAction* action : menu->actions()) {
        if (QMenu* section = action->menu()) look(*section, QStringLiteral("context menu section"));
    }

    window.findChild<QAction*>(QStringLiteral("actCommands"))->trigger();
    auto* commands = window.findChild<CommandDialog*>();
    QVERIFY(commands != nullptr);
    for (const CommandEntry& entry : Catalogue()) {
        commands->choose(entry.name);
        QCoreApplication::processEvents();  // the new rows show on the next turn
        look(*commands,
             QStringLiteral("command dialog, %1").arg(QString::fromStdString(entry.name)));
    }
    commands->close();

    RecipeStepsDialog recipe({"sort"}, false, &window);
    recipe.show();
    look(recipe, QStringLiteral("recipe steps dialog"));

    NumberingDialog numbering({}, &window);
    numbering.show();
    look(numbering, QStringLiteral("Number Lines"));

    TfrmPDAbout about(f.dialogs, &window);
    about.show();
    look(about, QStringLiteral("About"));
    TfrmDonate support(nullptr, f.dialogs, &window);
    support.show();
    look(support, QStringLiteral("support dialog"));
}

}  // namespace pendara::testing
