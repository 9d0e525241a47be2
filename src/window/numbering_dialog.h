#pragma once

#include <QDialog>

#include "window/dialogs.h"

class QLineEdit;
class QSpinBox;

namespace pendara {

// The small box Number Lines asks in: first number, digits and separator, starting from a
// proposal. numbering() reads what the user set; a start that does not read as a number keeps
// the proposal's.
class NumberingDialog : public QDialog {
public:
    NumberingDialog(const Dialogs::Numbering& proposal, QWidget* owner);

    Dialogs::Numbering numbering() const;

private:
    Dialogs::Numbering proposal_;
    QLineEdit* start_;
    QSpinBox* width_;
    QLineEdit* separator_;
};

}  // namespace pendara
