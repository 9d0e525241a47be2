#pragma once

#include <QRadioButton>

namespace pendara {

// A radio button whose caption wraps within its width, as the batch panel's narrow two-line
// captions ("At Index", "Position of") need; a plain QRadioButton would cut them off.
class WrapRadioButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace pendara
