#include "window/number_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QWheelEvent>

#include "window/dialogs.h"

namespace pendara {

NumberBox::NumberBox(QWidget* parent) : QAbstractSpinBox(parent) {
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    setAccelerated(false);
    // The wheel gives no focus: focus comes from a click or Tab.
    setFocusPolicy(Qt::StrongFocus);
}

void NumberBox::setRange(std::int32_t minimum, std::int32_t maximum) {
    range_ = {minimum, maximum};
}

std::int32_t NumberBox::value() const {
    const QByteArray text = lineEdit()->text().toUtf8();
    return ReadNumberBox(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                         range_);
}

void NumberBox::setValue(std::int32_t value) { lineEdit()->setText(QString::number(value)); }

void NumberBox::setText(const QString& text) { lineEdit()->setText(text); }

void NumberBox::stepBy(int steps) {
    const QByteArray text = lineEdit()->text().toUtf8();
    setValue(NumberBoxValueAfterStep(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())), range_, steps));
    lineEdit()->selectAll();
}

QValidator::State NumberBox::validate(QString&, int&) const {
    // Any text may stand in the box; it reads as the minimum when it is not a number.
    return QValidator::Acceptable;
}

void NumberBox::fixup(QString&) const {}

void NumberBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    // Enter is refused as a character, with the beep, and asks for the box's operation.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) Q_EMIT enterPressed();
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
        key == Qt::Key_PageDown) {
        QAbstractSpinBox::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    const bool typed =
        !text.isEmpty() && !text.at(0).isNull() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (typed && text.size() == 1) {
        const QChar c = text.at(0);
        const bool control = c.unicode() < 32 || c.unicode() == 127;
        const bool enter = c == QLatin1Char('\r') || c == QLatin1Char('\n');
        const bool allowed = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                             c == QLatin1Char('+') || c == QLatin1Char('-') ||
                             c == QLocale().decimalPoint().front() || (control && !enter);
        if (!allowed) {
            event->accept();
            if (dialogs_ != nullptr)
                dialogs_->beep();
            else
                QApplication::beep();
            return;
        }
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void NumberBox::focusOutEvent(QFocusEvent* event) {
    const QByteArray text = lineEdit()->text().toUtf8();
    if (const auto value = NumberBoxValueOnLeave(
            std::string_view(text.constData(), static_cast<std::size_t>(text.size())), range_)) {
        setValue(*value);
    }
    QAbstractSpinBox::focusOutEvent(event);
}

void NumberBox::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QAbstractSpinBox::wheelEvent(event);
}

}  // namespace pendara
