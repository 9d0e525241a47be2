#include "window/numbering_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>

#include "window/accessible_names.h"

namespace pendara {

NumberingDialog::NumberingDialog(const Dialogs::Numbering& proposal, QWidget* owner)
    : QDialog(owner),
      proposal_(proposal),
      // A start beyond the box's range is typed as text; the box holds what fits in 32 bits.
      start_(new QLineEdit(QString::number(proposal.start), this)),
      width_(new QSpinBox(this)),
      separator_(new QLineEdit(proposal.separator, this)) {
    setObjectName(QStringLiteral("NumberingDialog"));
    setWindowTitle(QCoreApplication::translate("pendara::QtDialogs", "Number Lines"));
    start_->setObjectName(QStringLiteral("numberingStart"));
    start_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[+-]?[0-9]{1,18}")), start_));
    width_->setObjectName(QStringLiteral("numberingWidth"));
    width_->setRange(0, 100);
    width_->setValue(proposal.width);
    separator_->setObjectName(QStringLiteral("numberingSeparator"));
    auto* form = new QFormLayout(this);
    form->addRow(QCoreApplication::translate("pendara::QtDialogs", "Start at:"), start_);
    form->addRow(QCoreApplication::translate("pendara::QtDialogs", "Digits (0 for no padding):"),
                 width_);
    form->addRow(QCoreApplication::translate("pendara::QtDialogs", "Separator:"), separator_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    NameControlsForReaders(*this);
}

Dialogs::Numbering NumberingDialog::numbering() const {
    bool ok = false;
    const qlonglong first = start_->text().toLongLong(&ok);
    return {ok ? first : proposal_.start, width_->value(), separator_->text()};
}

}  // namespace pendara
