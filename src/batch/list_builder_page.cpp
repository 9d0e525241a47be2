#include "batch/list_builder_page.h"

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QStyle>
#include <QUrl>
#include <algorithm>
#include <memory>

#include "batch/batch_panel.h"
#include "files/code_page.h"
#include "files/list_file.h"
#include "list/scramble.h"
#include "main_list/bulk_run.h"
#include "main_list/file_form_menu.h"
#include "main_list/find_bar.h"
#include "main_list/main_list.h"
#include "main_list/main_list_actions.h"
#include "main_list/recipe_window.h"
#include "main_list/scintilla.h"
#include "main_list/text_delta.h"
#include "text/failure.h"
#include "ui_list_builder_page.h"
#include "window/dialogs.h"
#include "window/handler_guard.h"
#include "window/page_context.h"

namespace pendara {

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString PathOf(const ListOrigin& origin) {
    return QFile::decodeName(QByteArray::fromStdString(origin.path()));
}

// The action among `actions` whose shortcut a key press is, or null.
QAction* ShortcutOf(const QKeyEvent& key, const std::vector<QAction*>& actions) {
    const QKeySequence pressed(key.keyCombination());
    for (QAction* action : actions) {
        for (const QKeySequence& sequence : action->shortcuts()) {
            if (sequence == pressed) return action;
        }
    }
    return nullptr;
}

}  // namespace

ListBuilderPage::ListBuilderPage(const PageContext& context, QWidget* parent)
    : QWidget(parent),
      context_(context),
      ui_(std::make_unique<Ui::ListBuilderPage>()),
      recent_(context.services().settings) {
    ui_->setupUi(this);
    setObjectName(QStringLiteral("shtLMaker"));
    mainList_ = std::make_unique<MainList>(*ui_->List2);
    bulkRun_ = new BulkRun(*mainList_, context_.workList(), context_.window(), context_.dialogs());
    bulkRun_->setParent(this);
    ui_->ScrollBox1->setWidget(new BatchPanel(context_, ui_->ScrollBox1));

    QStyle* look = style();
    ui_->Load1->setIcon(look->standardIcon(QStyle::SP_DialogOpenButton));
    ui_->Save1->setIcon(look->standardIcon(QStyle::SP_DialogSaveButton));
    ui_->Sort->setIcon(look->standardIcon(QStyle::SP_ArrowDown));
    ui_->btnScramble->setIcon(look->standardIcon(QStyle::SP_BrowserReload));
    ui_->RemAll->setIcon(look->standardIcon(QStyle::SP_TrashIcon));
    ui_->Button4->setIcon(look->standardIcon(QStyle::SP_FileDialogDetailedView));
    ui_->Button5->setIcon(look->standardIcon(QStyle::SP_FileDialogContentsView));

    actions_ = new MainListActions(context_, *mainList_, *this);
    // The file form the list is saved in, shown and changed from the context menu.
    auto* formMenu = new FileFormMenu(*mainList_, this);
    formMenu->setGuard(
        [this](const std::function<void()>& handler) { context_.runGuarded(handler); });
    actions_->addMenuSection(formMenu);
    connect(actions_, &MainListActions::aboutToShow, formMenu, &FileFormMenu::showForm);
    recentMenu_ = new QMenu(tr("Recent &Lists"), this);
    recentMenu_->setObjectName(QStringLiteral("RecentLists"));
    actions_->addMenuSection(recentMenu_);
    connect(actions_, &MainListActions::aboutToShow, this,
            [this] { showRecentLists(*recentMenu_); });
    ui_->List2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui_->List2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { showContextMenu(ui_->List2->mapToGlobal(at)); });

    findBar_ = new FindBar(*mainList_, context_.dialogs(), this);
    connect(findBar_, &FindBar::shownChanged, this, &ListBuilderPage::placeFindBar);
    connect(addPageAction("actFind", tr("Find"), QKeySequence::Find), &QAction::triggered, findBar_,
            &FindBar::showFind);
    connect(addPageAction("actFindNext", tr("Find Next"), Qt::Key_F3), &QAction::triggered,
            findBar_, &FindBar::findNext);
    connect(addPageAction("actFindPrevious", tr("Find Previous"),
                          QKeyCombination(Qt::ShiftModifier, Qt::Key_F3)),
            &QAction::triggered, findBar_, &FindBar::findPrevious);
    connect(addPageAction("actGoToLine", tr("Go to Line"),
                          QKeyCombination(Qt::ControlModifier, Qt::Key_G)),
            &QAction::triggered, findBar_, &FindBar::showGoTo);
    connect(addPageAction("actSave", tr("Save"), QKeySequence::Save), &QAction::triggered, this,
            &ListBuilderPage::saveList);

    // Where the caret is and how long the list is, beside the list's caption; the editor keeps
    // its line count, so this costs nothing on a long list.
    position_ = new QLabel(this);
    position_->setObjectName(QStringLiteral("ListPosition"));
    const QRect caption = ui_->Label1->geometry();
    const QRect list = ui_->List2->geometry();
    position_->setGeometry(caption.right() + 1, caption.y(), list.right() - caption.right(),
                           caption.height());
    position_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(ui_->List2, &QsciScintillaBase::SCN_UPDATEUI, this, &ListBuilderPage::showPosition);
    showPosition();
    ui_->List2->installEventFilter(this);
    ui_->List2->viewport()->installEventFilter(this);

    // Keys that leave the editor's own (Ctrl+C, V, X, A, Z, Y) alone; Ctrl+S saves in place
    // and Save List, with its dialog, is Save As.
    using Page = ListBuilderPage;
    const struct {
        QAbstractButton* button;
        const char* key;
        void (Page::*click)();
    } buttons[] = {{ui_->Load1, "Ctrl+O", &Page::Load1Click},
                   {ui_->Save1, "Ctrl+Shift+S", &Page::Save1Click},
                   {ui_->Sort, "Ctrl+Shift+O", &Page::SortClick},
                   {ui_->btnScramble, "Ctrl+Shift+M", &Page::btnScrambleClick},
                   {ui_->RemAll, "Ctrl+Shift+X", &Page::RemAllClick},
                   {ui_->Button4, "Ctrl+Shift+C", &Page::Button4Click},
                   {ui_->Button5, "Ctrl+Shift+V", &Page::Button5Click}};
    for (const auto& [button, key, click] : buttons) {
        const QKeySequence sequence(QString::fromLatin1(key));
        button->setShortcut(sequence);
        const QString caption = button->text().isEmpty() ? button->toolTip() : button->text();
        button->setToolTip(
            QStringLiteral("%1 (%2)").arg(caption, sequence.toString(QKeySequence::NativeText)));
        connect(button, &QAbstractButton::clicked, this, click);
    }
    // What would change the list (or save or copy it) while an operation works on it waits.
    for (QWidget* button :
         std::initializer_list<QWidget*>{ui_->Load1, ui_->Save1, ui_->Sort, ui_->btnScramble,
                                         ui_->RemAll, ui_->Button4, ui_->Button5})
        bulkRun_->guard(button);
    for (QAction* action : actions_->shortcutActions()) {
        if (action->objectName() != QStringLiteral("actNewWindow")) bulkRun_->guard(action);
    }
    if (auto* save = findChild<QAction*>(QStringLiteral("actSave"))) bulkRun_->guard(save);
    ui_->Save1->setToolTip(ui_->Save1->toolTip() +
                           QStringLiteral("\nCtrl+S saves to the list's own file"));
    ui_->Label1->installEventFilter(this);
}

ListBuilderPage::~ListBuilderPage() = default;

QAction* ListBuilderPage::addPageAction(const char* name, const QString& text,
                                        const QKeySequence& key) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    pageActions_.push_back(action);
    return action;
}

void ListBuilderPage::showContextMenu(const QPoint& global) {
    actions_->makeMenu(this)->exec(global);
}

void ListBuilderPage::showRecentLists(QMenu& menu) {
    menu.clear();
    const QStringList files = recent_.files();
    menu.setEnabled(!files.isEmpty());
    int place = 0;
    for (const QString& file : files) {
        // An accelerator by place, as the list is read top down; a '&' in a path is no accelerator.
        QString shown = file;
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = menu.addAction(QStringLiteral("&%1 %2").arg(++place).arg(shown));
        connect(action, &QAction::triggered, this, [this, file] {
            if (!loadListFile(file) && !QFileInfo::exists(file)) recent_.forget(file);
        });
    }
}

void ListBuilderPage::placeFindBar(bool shown) {
    QsciScintilla& list = *ui_->List2;
    if (shown) {
        listGeometry_ = list.geometry();
        const int height = findBar_->height();
        list.setGeometry(listGeometry_.adjusted(0, 0, 0, -height));
        findBar_->setGeometry(listGeometry_.x(), listGeometry_.bottom() + 1 - height,
                              listGeometry_.width(), height);
    } else if (listGeometry_.isValid()) {
        list.setGeometry(listGeometry_);
    }
    list.SendScintilla(QsciScintillaBase::SCI_SCROLLCARET);
}

void ListBuilderPage::showPosition() {
    QsciScintilla& editor = *ui_->List2;
    const long length = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    long lines = editor.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
    // A final break starts no extra line, and an empty list has none.
    if (length == 0 || editor.SendScintilla(QsciScintillaBase::SCI_GETCHARAT,
                                            static_cast<unsigned long>(length - 1)) == '\n') {
        --lines;
    }
    const long caret = editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long line = editor.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                           static_cast<unsigned long>(caret));
    const long lineStart = editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE,
                                                static_cast<unsigned long>(line));
    const long column = editor.SendScintilla(QsciScintillaBase::SCI_COUNTCHARACTERS,
                                             static_cast<unsigned long>(lineStart), caret);
    position_->setText(tr("Line %1, Col %2 · %3 %4")
                           .arg(line + 1)
                           .arg(column + 1)
                           .arg(lines)
                           .arg(lines == 1 ? tr("line") : tr("lines")));
}

bool ListBuilderPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->Label1 && event->type() == QEvent::MouseButtonDblClick) {
        Label1DblClick();
        return true;
    }
    const bool editor = watched == ui_->List2 || watched == ui_->List2->viewport();
    std::vector<QAction*> keys = actions_->shortcutActions();
    keys.insert(keys.end(), pageActions_.begin(), pageActions_.end());
    if (editor && event->type() == QEvent::ShortcutOverride) {
        // Undo, redo and the list commands are the window's, not the editor's: the key press
        // comes here and runs them.
        if (ShortcutOf(static_cast<QKeyEvent&>(*event), keys) != nullptr) {
            event->accept();
            return true;
        }
    }
    if (editor && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<QKeyEvent&>(*event);
        if (QAction* action = ShortcutOf(key, keys)) {
            action->trigger();
            return true;
        }
        if (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier) {
            // As the Menu key does, at the caret.
            QsciScintilla& list = *ui_->List2;
            const long caret = list.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
            const QPoint at(
                static_cast<int>(
                    list.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, caret)),
                static_cast<int>(
                    list.SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, caret) +
                    list.SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0UL)));
            showContextMenu(list.viewport()->mapToGlobal(at));
            return true;
        }
        const bool tab = key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
        if (tab && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            // Tab moves on, as in every other box of the window.
            focusNextPrevChild(key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier));
            return true;
        }
        if (key.key() == Qt::Key_Tab && key.modifiers() == Qt::ControlModifier) {
            ui_->List2->SendScintilla(QsciScintillaBase::SCI_REPLACESEL, "\t");
            return true;
        }
    }
    // The drop reaches the editor itself: its viewport takes no drops of its own.
    if (editor && event->type() == QEvent::Drop) {
        auto& drop = static_cast<QDropEvent&>(*event);
        const QList<QUrl> urls = drop.mimeData()->urls();
        if (!urls.isEmpty() && urls.constFirst().isLocalFile()) {
            drop.acceptProposedAction();
            const QString path = urls.constFirst().toLocalFile();
            if (IsRecipePath(path)) {
                OfferDroppedRecipe(context_, *mainList_, path);
            } else {
                loadListFile(path);
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ListBuilderPage::Load1Click() {
    const auto path = context_.dialogs().openFile(
        &context_.window(), {QString(), tr("Text File (*.txt);;All Files (*)"), QString(),
                             QString(), QString(), QString(), recent_.files()});
    if (path) loadListFile(*path);
}

bool ListBuilderPage::loadListFile(const QString& path) {
    if (bulkRun_->running()) return false;
    auto loaded = std::make_shared<bool>(false);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const std::string file = LocalPath(path);
    // Read, decoded and compared with the list off the window's thread; only a short list is
    // loaded before this returns.
    auto before = std::make_shared<std::string>(mainList_->text());
    const std::uint64_t state = mainList_->history().state();
    const std::size_t bytes =
        static_cast<std::size_t>(std::max<qint64>(0, QFileInfo(path).size())) + before->size();
    std::shared_ptr<LoadedText> document;
    if (!bulkRun_->runsInline(bytes)) document = mainList_->prepareText(bytes - before->size());
    const auto work = [this, file, before, state, absolute, loaded,
                       document](const std::atomic<bool>& cancelled) -> BulkRun::Finish {
        auto text = std::make_shared<std::string>();
        auto origin =
            std::make_shared<ListOrigin>(ListOrigin::FromFile(ReadListFileBytes(file), *text));
        origin->setPath(LocalPath(absolute));
        try {
            *text = NormalizeBreaks(std::move(*text));
        } catch (const std::bad_alloc&) {
            throw Failure(QT_TRANSLATE_NOOP("pendara::Failure", "Text exceeds memo capacity"));
        }
        if (cancelled) return {};
        auto delta = std::make_shared<TextDelta>(TextDelta::Between(*before, *text));
        delta->pack();
        std::string().swap(*before);
        const bool swap =
            document != nullptr && MainList::WorthLoading(*delta) && document->fill(*text);
        QPointer<ListBuilderPage> page(this);
        return [page, text, origin, delta, state, absolute, loaded, document, swap] {
            if (page == nullptr) return;
            MainList& list = *page->mainList_;
            if (list.history().state() != state)
                list.putInPlace(*text, TextDelta::Between(list.text(), *text));
            else if (swap)
                list.putInPlace(*document, std::move(*delta));
            else
                list.putInPlace(*text, std::move(*delta));
            FreeOffThread(std::move(*text));
            list.setOrigin(std::move(*origin));
            list.markSaved();
            list.startRecording();
            page->recent_.note(absolute);
            *loaded = true;
        };
    };
    if (!bulkRun_->startJob(work, bytes)) return false;
    // Started on a worker: `loaded` is set only if it finished right away.
    return *loaded || bulkRun_->running();
}

void ListBuilderPage::Save1Click() { saveListAs(); }

bool ListBuilderPage::saveList() {
    const QString path = PathOf(mainList_->origin());
    return path.isEmpty() ? saveListAs() : writeList(path);
}

bool ListBuilderPage::saveListAs() {
    const QFileInfo current(PathOf(mainList_->origin()));
    const bool fromFile = !mainList_->origin().path().empty();
    std::optional<QString> path;
    context_.runGuarded([&] {
        path = context_.dialogs().saveFile(
            &context_.window(),
            {QString(), tr("Text File (*.txt)"), fromFile ? current.absolutePath() : QString(),
             QStringLiteral("txt"), QString(), fromFile ? current.fileName() : QString()});
    });
    return path && writeList(*path);
}

bool ListBuilderPage::writeList(const QString& path) {
    if (bulkRun_->running()) return false;
    // Put in the file's form and written on the worker; the window answers meanwhile, and the
    // caller still learns whether the list was saved.
    auto text = std::make_shared<std::string>(mainList_->text());
    auto saved = std::make_shared<bool>(false);
    auto unmappable = std::make_shared<std::string>();
    const std::uint64_t state = mainList_->history().state();
    const ListOrigin form = mainList_->origin();
    const std::string file = LocalPath(path);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QPointer<ListBuilderPage> page(this);
    const std::size_t bytes = text->size();
    bulkRun_->startJob(
        [text, saved, unmappable, state, form, file, absolute,
         page](const std::atomic<bool>&) -> BulkRun::Finish {
            std::string fileBytes;
            try {
                fileBytes = form.fileBytes(*text);
            } catch (const UnmappableCharacter& error) {
                // Nothing is written: the user chooses on the window's thread.
                return [unmappable, message = std::string(error.what())] { *unmappable = message; };
            }
            WriteListFile(file, fileBytes);
            std::string().swap(*text);
            return [saved, state, absolute, page] {
                if (page == nullptr) return;
                MainList& list = *page->mainList_;
                ListOrigin origin = list.origin();
                origin.setPath(LocalPath(absolute));
                list.setOrigin(std::move(origin));
                // Saved is the text as it was taken, which is the text now.
                if (list.history().state() == state) list.markSaved();
                page->recent_.note(absolute);
                *saved = true;
            };
        },
        bytes);
    bulkRun_->wait();
    if (unmappable->empty()) return *saved;
    // The user's choice: a file in another encoding, or no file at all.
    const QString question =
        TranslatedFailure(*unmappable) + tr(".\n\nSave the list as UTF-8 instead?");
    if (!context_.dialogs().askYesNo(&context_.window(), question)) return false;
    ListOrigin utf8 = mainList_->origin();
    FileForm utf8Form = utf8.form();
    utf8Form.encoding = FileForm::Encoding::Plain;
    utf8Form.codePage.clear();
    utf8.setForm(utf8Form);
    mainList_->setOrigin(std::move(utf8));
    return writeList(path);
}

void ListBuilderPage::SortClick() {
    bulkRun_->start({.form = TransactionForm::SuccessOnly,
                     .throughWorkList = false,
                     .edit = [](LineList& lines) { lines.sort(); },
                     .invocation = "sort"});
}

void ListBuilderPage::btnScrambleClick() {
    const std::uint64_t seed = ClockSeed();
    // The seed makes the step one a recipe can give again.
    bulkRun_->start(
        {.form = TransactionForm::Standard,
         .edit = [seed](LineList& lines) { ScrambleLines(lines.lines(), seed); },
         .invocation = "scramble --seed " + std::to_string(static_cast<std::int64_t>(seed))});
}

void ListBuilderPage::RemAllClick() {
    context_.runGuarded([this] {
        bulkRun_->replaceText([] { return std::string(); }, 0,
                              [this] { mainList_->setOrigin(ListOrigin()); });
        ui_->List2->setFocus();
    });
}

void ListBuilderPage::Button4Click() {
    context_.runGuarded([this] {
        auto text = std::make_shared<std::string>(mainList_->text());
        Dialogs& dialogs = context_.dialogs();
        bulkRun_->startJob(
            [text, &dialogs](const std::atomic<bool>&) -> BulkRun::Finish {
                auto ready = std::make_shared<const ClipboardText>(ClipboardText::From(*text));
                std::string().swap(*text);
                return [ready, &dialogs] { dialogs.setClipboard(*ready); };
            },
            text->size());
    });
}

void ListBuilderPage::Button5Click() {
    context_.runGuarded([this] {
        // Turned into bytes on the worker: a long text would hold up the window.
        const ClipboardText pasted = context_.dialogs().clipboard();
        bulkRun_->replaceText([pasted] { return pasted.bytes(); }, pasted.size(),
                              [this] { mainList_->setOrigin(ListOrigin()); });
    });
}

void ListBuilderPage::Label1DblClick() {
    context_.dialogs().message(&context_.window(),
                               tr("Number of Lines : %1").arg(context_.workList().count()));
}

}  // namespace pendara
