#include "list/list_builder_page.h"

#include <QFile>
#include <QMouseEvent>
#include <QStyle>

#include "app/dialogs.h"
#include "app/handler_guard.h"
#include "app/page_context.h"
#include "batch/batch_panel.h"
#include "list/edit_transaction.h"
#include "list/list_file.h"
#include "list/main_list.h"
#include "list/scramble.h"
#include "ui_list_builder_page.h"

namespace pendara {

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

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

    connect(ui_->Load1, &QPushButton::clicked, this, &ListBuilderPage::Load1Click);
    connect(ui_->Save1, &QPushButton::clicked, this, &ListBuilderPage::Save1Click);
    connect(ui_->Sort, &QPushButton::clicked, this, &ListBuilderPage::SortClick);
    connect(ui_->btnScramble, &QPushButton::clicked, this, &ListBuilderPage::btnScrambleClick);
    connect(ui_->RemAll, &QToolButton::clicked, this, &ListBuilderPage::RemAllClick);
    connect(ui_->Button4, &QPushButton::clicked, this, &ListBuilderPage::Button4Click);
    connect(ui_->Button5, &QPushButton::clicked, this, &ListBuilderPage::Button5Click);
    ui_->Label1->installEventFilter(this);
}

ListBuilderPage::~ListBuilderPage() = default;

bool ListBuilderPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->Label1 && event->type() == QEvent::MouseButtonDblClick) {
        Label1DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ListBuilderPage::Load1Click() {
    RunGuarded(&context_.window(), context_.dialogs(), [this] {
        const auto path = context_.dialogs().openFile(
            &context_.window(),
            {QString(), QStringLiteral("Text File (*.txt);;All Files (*)"), QString(), QString()});
        if (path) loadFile(*path);
    });
}

void ListBuilderPage::loadFile(const QString& path) {
    RunGuarded(&context_.window(), context_.dialogs(), [&] {
        std::string text;
        ListOrigin origin = ListOrigin::FromFile(ReadListFileBytes(LocalPath(path)), text);
        mainList_->setText(std::move(text));
        mainList_->setOrigin(std::move(origin));
    });
}

void ListBuilderPage::Save1Click() {
    RunGuarded(&context_.window(), context_.dialogs(), [this] {
        const auto path = context_.dialogs().saveFile(
            &context_.window(),
            {QString(), QStringLiteral("Text File (*.txt)"), QString(), QStringLiteral("txt")});
        if (!path) return;
        WriteListFile(LocalPath(*path), mainList_->origin().fileBytes(mainList_->text()));
    });
}

void ListBuilderPage::SortClick() {
    RunGuarded(&context_.window(), context_.dialogs(), [this] {
        LineList sorted = mainList_->lines();
        sorted.sort();
        mainList_->assign(sorted);
    });
}

void ListBuilderPage::btnScrambleClick() {
    RunGuarded(&context_.window(), context_.dialogs(), [this] {
        const std::uint64_t seed = ClockSeed();
        RunEditTransaction(*mainList_, context_.workList(), TransactionForm::Standard,
                           [seed](LineList& lines) { ScrambleLines(lines.lines(), seed); });
    });
}

void ListBuilderPage::RemAllClick() {
    RunGuarded(&context_.window(), context_.dialogs(), [this] {
        mainList_->clear();
        mainList_->setOrigin(ListOrigin());
        ui_->List2->setFocus();
    });
}

void ListBuilderPage::Button4Click() {
    RunGuarded(&context_.window(), context_.dialogs(),
               [this] { context_.dialogs().setClipboardText(mainList_->text()); });
}

void ListBuilderPage::Button5Click() {
    RunGuarded(&context_.window(), context_.dialogs(), [this] {
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
