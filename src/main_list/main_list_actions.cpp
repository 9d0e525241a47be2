#include "main_list/main_list_actions.h"

#include <QAction>
#include <QMenu>

#include <memory>
#include "commands/apply.h"
#include "list/work_list.h"
#include "main_list/bulk_run.h"
#include "main_list/command_dialog.h"
#include "main_list/edit_transaction.h"
#include "main_list/main_list.h"
#include "main_list/recipe_window.h"
#include "main_list/scintilla.h"
#include "window/page_context.h"

namespace pendara {

MainListActions::MainListActions(const PageContext& context, MainList& mainList, QWidget& page)
    : QObject(&page), context_(context), mainList_(mainList), page_(page) {
    undo_ = makeAction("actUndo", tr("&Undo"), {QKeySequence(QStringLiteral("Ctrl+Z"))});
    redo_ = makeAction(
        "actRedo", tr("&Redo"),
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    connect(undo_, &QAction::triggered, this, &MainListActions::undo);
    connect(redo_, &QAction::triggered, this, &MainListActions::redo);

    // Ctrl with Shift and a letter the editor does not use itself.
    const struct {
        const char* name;
        const char* text;
        const char* key;
        const char* invocation;
    } commands[] = {
        {"actDedupe", QT_TR_NOOP("Remove &Duplicates"), "Ctrl+Shift+D", "dedupe"},
        {"actRepeated", QT_TR_NOOP("Keep &Repeated Lines"), "Ctrl+Shift+R", "repeated"},
        {"actSingles", QT_TR_NOOP("Keep S&ingle Lines"), "Ctrl+Shift+I", "singles"},
        {"actTally", QT_TR_NOOP("&Tally Lines"), "Ctrl+Shift+K", "tally"},
        {"actReverse", QT_TR_NOOP("Re&verse"), "Ctrl+Shift+B", "reverse"},
        {"actSortDescending", QT_TR_NOOP("Sort D&escending"), "Ctrl+Shift+J", "sort --reverse"},
        {"actNaturalSort", QT_TR_NOOP("N&atural Sort"), "Ctrl+Shift+A", "sort --natural"},
        {"actLengthSort", QT_TR_NOOP("Sort by &Length"), "Ctrl+Shift+H", "sort --length"},
    };
    for (const auto& command : commands) {
        QAction* action = makeAction(command.name, tr(command.text),
                                     {QKeySequence(QString::fromLatin1(command.key))});
        connect(action, &QAction::triggered, this,
                [this, invocation = command.invocation] { run(invocation); });
        listCommands_.push_back(action);
    }
    QAction* number = makeAction("actNumberLines", tr("&Number Lines..."),
                                 {QKeySequence(QStringLiteral("Ctrl+Shift+N"))});
    connect(number, &QAction::triggered, this, &MainListActions::numberLines);
    listCommands_.push_back(number);

    QAction* dialog = makeAction("actCommands", tr("Co&mmands..."),
                                 {QKeySequence(QStringLiteral("Ctrl+Shift+P"))});
    connect(dialog, &QAction::triggered, this, [this] { showCommands(); });
    listCommands_.push_back(dialog);
    QAction* sortByKey = makeAction("actSortByKey", tr("Sort by &Key..."), {});
    connect(sortByKey, &QAction::triggered, this, [this] { showCommands("sort"); });
    listCommands_.push_back(sortByKey);
    QAction* runRecipe = makeAction("actRunRecipe", tr("Run Recipe..."), {});
    connect(runRecipe, &QAction::triggered, this, [this] { AskAndRunRecipe(context_, mainList_); });
    recipeCommands_.push_back(runRecipe);
    QAction* saveRecipe = makeAction("actSaveRecipe", tr("&Save Steps as Recipe..."), {});
    connect(saveRecipe, &QAction::triggered, this,
            [this] { SaveStepsAsRecipe(context_, mainList_); });
    recipeCommands_.push_back(saveRecipe);

    newWindow_ = makeAction("actNewWindow", tr("New &Window"), {QKeySequence(QKeySequence::New)});
    connect(newWindow_, &QAction::triggered, this,
            [this] { context_.runGuarded([this] { context_.navigator().openNewWindow(); }); });
}

MainListActions::~MainListActions() = default;

QAction* MainListActions::makeAction(const char* name, const QString& text,
                                     const QList<QKeySequence>& keys) {
    auto* action = new QAction(text, &page_);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    page_.addAction(action);
    return action;
}

void MainListActions::run(const std::string& invocation) {
    // A command that fails leaves the list as it was: it is one step or none.
    context_.runGuarded([&] {
        auto command = std::make_shared<const Invocation>(ReadInvocation(invocation));
        context_.bulkRun().start(
            {.form = TransactionForm::SuccessOnly,
             .edit = [command](LineList& lines) { ApplyInvocation(*command, lines); },
             .invocation = WriteInvocation(*command)});
    });
}

namespace {

// Undone, a step holds the text it led to for redo until what it inserted is packed from that
// text, after the undo is in place and off the window's thread.
void KeepForRedo(BulkRun& run, MainList& list, std::shared_ptr<const UndoHistory::Step> step,
                 std::shared_ptr<const std::string> ledTo) {
    const std::size_t bytes = ledTo->size();
    run.startBackground(
        [step = std::move(step), ledTo = std::move(ledTo), &list]() -> BulkRun::Finish {
            auto kept = std::make_shared<TextDelta>(step->delta);
            kept->keepInserted(*ledTo);
            return [kept, id = step->id, &list] { list.keep(id, std::move(*kept)); };
        },
        bytes);
}

}  // namespace

void MainListActions::undo() { step(true); }

void MainListActions::redo() { step(false); }

void MainListActions::step(bool backwards) {
    const UndoHistory& history = mainList_.history();
    const UndoHistory::Step* next = backwards ? history.nextUndo() : history.nextRedo();
    if (next == nullptr) return;
    if (next->kind == EditKind::Typing) {
        context_.runGuarded([&] { backwards ? mainList_.undo() : mainList_.redo(); });
        return;
    }
    // A whole-list step: the text it gives, its count and its document are made on the
    // worker, from a copy of the step: a dropped job may still read it while the history goes
    // on. A redo whose step holds the text it leads to puts that back; otherwise the text
    // comes from the list as it is.
    BulkRun& run = context_.bulkRun();
    const auto step = std::make_shared<const UndoHistory::Step>(*next);
    const bool heldText = !backwards && step->ledTo != nullptr;
    const auto text =
        heldText ? step->ledTo : std::make_shared<const std::string>(mainList_.text());
    std::shared_ptr<LoadedText> loaded;
    if (!run.runsInline(text->size())) loaded = mainList_.prepareText(text->size());
    const std::uint64_t state = history.state();
    MainList& list = mainList_;
    WorkList& workList = context_.workList();
    run.startJob(
        [=, &list, &workList, &run](const std::atomic<bool>& cancelled) mutable -> BulkRun::Finish {
            // A block at a time: the text is never held whole on the way.
            ListLineCounter counter;
            bool loading = loaded != nullptr;
            const auto put = [&](std::string_view piece) {
                counter.add(piece);
                loading = loading && !cancelled && loaded->append(piece);
            };
            if (heldText)
                put(*text);
            else
                backwards ? step->delta.before(*text, put) : step->delta.after(*text, put);
            if (!loading || !loaded->fill({})) loaded.reset();
            if (cancelled) return {};
            // Only an undo needs the text afterwards: the step holds it.
            return [=, &list, &workList, &run, ledTo = backwards ? text : nullptr] {
                // Changed meanwhile (it should not): the step is no longer the one made here.
                if (list.history().state() != state) return;
                if (!backwards) {
                    list.redo(loaded.get());
                } else {
                    list.undo(loaded.get(), ledTo);
                    if (!step->delta.holdsInserted()) KeepForRedo(run, list, step, ledTo);
                }
                // A whole-list step came through the work list, which follows it back.
                workList.keepCount(counter.lines());
            };
        },
        text->size());
}

void MainListActions::numberLines() {
    const auto answer = context_.dialogs().askNumbering(&context_.window(), numbering_);
    if (!answer) return;
    numbering_ = *answer;
    run("number --start " + std::to_string(answer->start) + " --width " +
        std::to_string(answer->width) + " --separator " +
        QuoteWord(answer->separator.toStdString()));
}

void MainListActions::showCommands(const std::string& command) {
    if (commandDialog_ == nullptr) {
        commandDialog_ = new CommandDialog(
            [this] { return mainList_.lines(); }, [this] { return mainList_.history().state(); },
            [this](const Invocation& invocation) { run(WriteInvocation(invocation)); },
            &context_.window());
        commandDialog_->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        commandDialog_->refresh();
    }
    commandDialog_->choose(command.empty() ? std::string("sort") : command);
    commandDialog_->show();
    commandDialog_->raise();
    commandDialog_->activateWindow();
}

void MainListActions::addMenuSection(QMenu* menu) { sections_.push_back(menu); }

std::vector<QAction*> MainListActions::shortcutActions() const {
    std::vector<QAction*> actions{undo_, redo_};
    actions.insert(actions.end(), listCommands_.begin(), listCommands_.end());
    actions.push_back(newWindow_);
    return actions;
}

std::unique_ptr<QMenu> MainListActions::makeMenu(QWidget* parent) {
    auto menu = std::make_unique<QMenu>(parent);
    menu->setObjectName(QStringLiteral("MainListMenu"));
    const bool idle = !context_.bulkRun().running();
    undo_->setEnabled(idle && mainList_.canUndo());
    redo_->setEnabled(idle && mainList_.canRedo());
    menu->addAction(undo_);
    menu->addAction(redo_);
    menu->addSeparator();

    // The editor's own commands: their keys are the editor's, shown here only.
    QsciScintilla& editor = mainList_.editor();
    const bool selected = editor.hasSelectedText();
    const struct {
        const char* name;
        QString text;
        QKeySequence::StandardKey key;
        bool enabled;
        void (QsciScintilla::*slot)();
    } editing[] = {
        {"actCut", tr("Cu&t"), QKeySequence::Cut, selected, &QsciScintilla::cut},
        {"actCopy", tr("&Copy"), QKeySequence::Copy, selected, &QsciScintilla::copy},
        {"actPaste", tr("&Paste"), QKeySequence::Paste,
         editor.SendScintilla(QsciScintillaBase::SCI_CANPASTE) != 0, &QsciScintilla::paste},
        {"actSelectAll", tr("Select &All"), QKeySequence::SelectAll, true, nullptr},
    };
    for (const auto& item : editing) {
        QAction* action = menu->addAction(item.text);
        action->setObjectName(QString::fromLatin1(item.name));
        action->setShortcut(QKeySequence(item.key));
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setEnabled(item.enabled);
        const auto slot = item.slot;
        connect(action, &QAction::triggered, &editor, [&editor, slot] {
            if (slot != nullptr)
                (editor.*slot)();
            else
                editor.selectAll(true);
        });
    }
    menu->addSeparator();
    menu->addSection(tr("List"));
    for (QAction* action : listCommands_) menu->addAction(action);
    menu->addSeparator();
    for (QAction* action : recipeCommands_) menu->addAction(action);
    for (const QPointer<QMenu>& section : sections_) {
        if (section == nullptr) continue;
        menu->addSeparator();
        menu->addMenu(section);
    }
    menu->addSeparator();
    menu->addAction(newWindow_);
    Q_EMIT aboutToShow(menu.get());
    return menu;
}

}  // namespace pendara
