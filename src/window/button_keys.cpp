#include "window/button_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>

namespace pendara {

namespace {

class EnterPresses : public QObject {
public:
    explicit EnterPresses(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!enter || button == nullptr || !button->isEnabled() ||
            (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            return QObject::eventFilter(watched, event);
        }
        button->click();
        return true;
    }
};

}  // namespace

void LetEnterPressButtons(QWidget& root) {
    auto* filter = new EnterPresses(&root);
    for (QAbstractButton* button : root.findChildren<QAbstractButton*>()) {
        if (qobject_cast<QPushButton*>(button) != nullptr ||
            qobject_cast<QToolButton*>(button) != nullptr) {
            button->installEventFilter(filter);
        }
    }
}

void FocusFirstControl(QWidget& page) {
    QWidget* first = nullptr;
    // The chain runs through the whole window and back; a full round ends the search.
    for (QWidget* at = page.nextInFocusChain(); at != &page && at != nullptr;
         at = at->nextInFocusChain()) {
        if (!page.isAncestorOf(at) || !at->isVisible() || !at->isEnabled()) continue;
        if (!(at->focusPolicy() & Qt::TabFocus) || at->focusProxy() != nullptr) continue;
        // A scroll area frames controls; the first of them is meant.
        if (qobject_cast<QScrollArea*>(at) != nullptr) continue;
        first = at;
        break;
    }
    if (first != nullptr) first->setFocus(Qt::TabFocusReason);
}

}  // namespace pendara
