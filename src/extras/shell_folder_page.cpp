#include "extras/shell_folder_page.h"

#include <QStyle>

#include "extras/error_rows.h"
#include "extras/key_value_model.h"
#include "extras/shell_folder_rows.h"
#include "ui_shell_folder_page.h"
#include "window/dialogs.h"
#include "window/handler_guard.h"
#include "window/page_context.h"

namespace pendara {

ShellFolderPage::ShellFolderPage(const PageContext& context, QWidget* parent)
    : QWidget(parent), context_(context), ui_(std::make_unique<Ui::ShellFolderPage>()) {
    ui_->setupUi(this);
    ui_->SL->setAccessibleName(tr("Shell folders"));
    setObjectName(QStringLiteral("shtSFolder"));
    ui_->Button6->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    ui_->Open->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));

    model_ = &SetUpKeyValueGrid(*ui_->SL, {tr("Name"), 150, tr("Location"), 589});

    // Choosing an entry reloads, even the entry already chosen.
    connect(ui_->SF, &QComboBox::activated, this, &ShellFolderPage::SFChange);
    connect(ui_->SL, &QTableView::doubleClicked, this, &ShellFolderPage::OpenClick);
    connect(ui_->Open, &QPushButton::clicked, this, &ShellFolderPage::OpenClick);
    connect(ui_->Button6, &QPushButton::clicked, this, &ShellFolderPage::Button6Click);
}

ShellFolderPage::~ShellFolderPage() = default;

void ShellFolderPage::loadOnFirstVisit() {
    if (ui_->SL->property("tag").toInt() != 0) return;
    ReadSF();
    ui_->SL->setProperty("tag", 1);
}

void ShellFolderPage::ReadSF() {
    const SettingsRoot root =
        ui_->SF->currentIndex() == 1 ? SettingsRoot::LocalMachine : SettingsRoot::CurrentUser;
    std::vector<std::string> rows;
    // Whatever happens, the grid shows the rows read so far.
    struct ShowRows {
        ShellFolderPage& page;
        std::vector<std::string>& rows;
        ~ShowRows() {
            page.model_->setRows(std::move(rows));
            SetCurrentRow(*page.ui_->SL, 0);
        }
    } show{*this, rows};
    if (SettingsStore* store = context_.services().settings) ShellFolderRows(*store, root, rows);
}

void ShellFolderPage::SFChange() {
    RunGuarded(this, context_.dialogs(), [this] { ReadSF(); });
}

std::string ShellFolderPage::currentLocation() const {
    return std::string(RowValue(model_->row(CurrentRow(*ui_->SL))));
}

void ShellFolderPage::OpenClick() {
    RunGuarded(this, context_.dialogs(), [this] {
        const std::string location = currentLocation();
        if (location.empty()) return;
        context_.dialogs().openWithShell(
            &context_.window(),
            QString::fromUtf8(location.data(), static_cast<qsizetype>(location.size())));
    });
}

void ShellFolderPage::Button6Click() {
    RunGuarded(this, context_.dialogs(),
               [this] { context_.dialogs().setClipboardText(currentLocation()); });
}

}  // namespace pendara
