#include "extras/error_message_page.h"

#include <QItemSelectionModel>
#include <QScopedValueRollback>
#include <algorithm>

#include "extras/error_rows.h"
#include "extras/key_value_model.h"
#include "platform/system_messages.h"
#include "ui_error_message_page.h"
#include "window/handler_guard.h"
#include "window/page_context.h"

namespace pendara {

ErrorMessagePage::ErrorMessagePage(const PageContext& context, QWidget* parent)
    : QWidget(parent), context_(context), ui_(std::make_unique<Ui::ErrorMessagePage>()) {
    ui_->setupUi(this);
    setObjectName(QStringLiteral("shtError"));
    for (NumberBox* box : {ui_->spnFrom, ui_->spnTo}) {
        box->setRange(kLowestErrorCode, kHighestErrorCode);
        box->setDialogs(context_.services().dialogs);
    }
    ui_->spnFrom->setValue(0);
    ui_->spnTo->setValue(5000);

    model_ = &SetUpKeyValueGrid(*ui_->EList, {tr("Error Code"), 81, tr("Error Message"), 650});

    connect(ui_->btnShow, &QPushButton::clicked, this, &ErrorMessagePage::btnShowClick);
    connect(ui_->EList, &QTableView::clicked, this, &ErrorMessagePage::EListClick);
    connect(ui_->EList->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!showing_) EListClick();
    });
}

ErrorMessagePage::~ErrorMessagePage() = default;

MessageSource& ErrorMessagePage::messages() {
    if (context_.services().messages != nullptr) return *context_.services().messages;
    if (!ownMessages_) ownMessages_ = MakeSystemMessageSource();
    return *ownMessages_;
}

void ErrorMessagePage::btnShowClick() {
    RunGuarded(this, context_.dialogs(), [this] { showRange(); });
}

void ErrorMessagePage::showRange() {
    const int from = ui_->spnFrom->value();
    const int to = ui_->spnTo->value();
    ErrorRange range = ErrorRangeRows(from, to, messages());
    // The boxes show the range as it was listed: in order and within 0..20000.
    if (range.from != from) ui_->spnFrom->setValue(range.from);
    if (range.to != to) ui_->spnTo->setValue(range.to);

    // The current row stays where it was as far as the new rows reach; the message box keeps
    // its text until the user selects again.
    const QScopedValueRollback<bool> showing(showing_, true);
    const int current = CurrentRow(*ui_->EList);
    model_->setRows(std::move(range.rows));
    SetCurrentRow(*ui_->EList, std::min(std::max(current, 0), model_->rowCount() - 1));
}

void ErrorMessagePage::EListClick() {
    RunGuarded(this, context_.dialogs(), [this] {
        const std::string row = model_->row(CurrentRow(*ui_->EList));
        const std::string_view message = RowMessage(row);
        ui_->Edit1->setText(
            QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
        ui_->Edit1->setCursorPosition(0);
    });
}

}  // namespace pendara
