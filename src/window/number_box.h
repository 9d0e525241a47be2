#pragma once

#include <QAbstractSpinBox>
#include <cstdint>

#include "text/number_box_rule.h"

namespace pendara {

class Dialogs;

// A one-line number box: free text, read by ReadNumberBox (the minimum for unreadable text),
// brought into range when the focus leaves it, stepped by its arrows and the Up/Down keys.
// While typing only digits, '+', '-', the locale's decimal separator and control keys other than
// Enter are accepted; Enter emits enterPressed, other keys are refused with the system beep.
// Pasted text is not filtered. The wheel steps the value only while the box has the focus;
// otherwise it scrolls what is under the box, so scrolling a panel never changes a number unseen.
class NumberBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit NumberBox(QWidget* parent = nullptr);

    void setRange(std::int32_t minimum, std::int32_t maximum);
    NumberRange range() const { return range_; }
    // The value an operation reads (ReadNumberBox).
    std::int32_t value() const;
    // Writes the value in decimal.
    void setValue(std::int32_t value);
    // Puts any text into the box, as typing or pasting would (text() reads it back).
    void setText(const QString& text);
    // Where the refusal beep goes; without one, QApplication::beep().
    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }

    void stepBy(int steps) override;

Q_SIGNALS:
    // Enter or Return was pressed in the box.
    void enterPressed();

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    NumberRange range_{0, 0};
    Dialogs* dialogs_ = nullptr;
};

}  // namespace pendara
