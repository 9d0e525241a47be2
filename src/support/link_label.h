#pragma once

#include <QLabel>

namespace pendara {

// A label that works as a link: blue, underlined, centred, hand cursor; a left click on it
// raises clicked(). Its target is the dynamic property "helpKeyword".
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace pendara
