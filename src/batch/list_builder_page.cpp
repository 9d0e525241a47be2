#include "batch/list_builder_page.h"

#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>
#include <QUrl>

#include "batch/batch_panel.h"
#include "files/list_file.h"
#include "list/scramble.h"
#include "main_list/edit_transaction.h"
#include "main_list/file_form_menu.h"
#include "main_list/main_list.h"
#include "main_list/main_list_actions.h"
#include "main_list/scintilla.h"
#include "ui_list_builder_page.h"
#include "window/dialogs.h"
#include "window/page_context.h"

namespace pendara {

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

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
    : QWidget(parent), context_(context), ui_(std::make_unique<Ui::ListBuilderPage>()) {
    ui_->setupUi(this);
    setObjectName(QStringLiteral("shtLMaker"));
    mainList_ = std::make_unique<MainList>(*ui_->List2);
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
    actions_->addMenuSection(formMenu);
    connect(actions_, &MainListActions::aboutToShow, formMenu, &FileFormMenu::showForm);
    ui_->List2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui_->List2, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        actions_->makeMenu(this)->exec(ui_->List2->mapToGlobal(at));
    });
    ui_->List2->installEventFilter(this);
    ui_->List2->viewport()->installEventFilter(this);

    // Keys that leave the editor's own (Ctrl+C, V, X, A, Z, Y) alone.
    using Page = ListBuilderPage;
    const struct {
        QAbstractButton* button;
        const char* key;
        void (Page::*click)();
    } buttons[] = {{ui_->Load1, "Ctrl+O", &Page::Load1Click},
                   {ui_->Save1, "Ctrl+S", &Page::Save1Click},
                   {ui_->Sort, "Ctrl+Shift+S", &Page::SortClick},
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
    ui_->Label1->installEventFilter(this);
}

ListBuilderPage::~ListBuilderPage() = default;

bool ListBuilderPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->Label1 && event->type() == QEvent::MouseButtonDblClick) {
        Label1DblClick();
        return true;
    }
    const bool editor = watched == ui_->List2 || watched == ui_->List2->viewport();
    if (editor && event->type() == QEvent::ShortcutOverride) {
        // Undo, redo and the list commands are the window's, not the editor's: the key press
        // comes here and runs them.
        if (ShortcutOf(static_cast<QKeyEvent&>(*event), actions_->shortcutActions()) != nullptr) {
            event->accept();
            return true;
        }
    }
    if (editor && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<QKeyEvent&>(*event);
        if (QAction* action = ShortcutOf(key, actions_->shortcutActions())) {
            action->trigger();
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
            loadListFile(urls.constFirst().toLocalFile());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ListBuilderPage::Load1Click() {
    const auto path = context_.dialogs().openFile(
        &context_.window(),
        {QString(), QStringLiteral("Text File (*.txt);;All Files (*)"), QString(), QString()});
    if (path) loadListFile(*path);
}

void ListBuilderPage::loadListFile(const QString& path) {
    context_.runGuarded([&] {
        std::string text;
        ListOrigin origin = ListOrigin::FromFile(ReadListFileBytes(LocalPath(path)), text);
        mainList_->setText(std::move(text));
        mainList_->setOrigin(std::move(origin));
        mainList_->markSaved();
    });
}

void ListBuilderPage::Save1Click() { saveList(); }

bool ListBuilderPage::saveList() {
    bool saved = false;
    context_.runGuarded([&] {
        const auto path = context_.dialogs().saveFile(
            &context_.window(),
            {QString(), QStringLiteral("Text File (*.txt)"), QString(), QStringLiteral("txt")});
        if (!path) return;
        WriteListFile(LocalPath(*path), mainList_->origin().fileBytes(mainList_->text()));
        mainList_->markSaved();
        saved = true;
    });
    return saved;
}

void ListBuilderPage::SortClick() {
    context_.runGuarded([this] {
        LineList sorted = mainList_->lines();
        sorted.sort();
        mainList_->assign(sorted);
    });
}

void ListBuilderPage::btnScrambleClick() {
    context_.runGuarded([this] {
        const std::uint64_t seed = ClockSeed();
        RunEditTransaction(*mainList_, context_.workList(), TransactionForm::Standard,
                           [seed](LineList& lines) { ScrambleLines(lines.lines(), seed); });
    });
}

void ListBuilderPage::RemAllClick() {
    context_.runGuarded([this] {
        mainList_->clear();
        mainList_->setOrigin(ListOrigin());
        ui_->List2->setFocus();
    });
}

void ListBuilderPage::Button4Click() {
    context_.runGuarded([this] { context_.dialogs().setClipboardText(mainList_->text()); });
}

void ListBuilderPage::Button5Click() {
    context_.runGuarded([this] {
        mainList_->setText(context_.dialogs().clipboardText());
        mainList_->setOrigin(ListOrigin());
    });
}

void ListBuilderPage::Label1DblClick() {
    context_.dialogs().message(
        &context_.window(),
        QStringLiteral("Number of Lines : %1").arg(context_.workList().count()));
}

}  // namespace pendara
