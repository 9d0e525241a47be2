#pragma once

#include <QWidget>

namespace pendara {

class TPDFrm;

// Placeholder until this page is built.
class MergerPage : public QWidget {
    Q_OBJECT
public:
    explicit MergerPage(TPDFrm& window, QWidget* parent = nullptr);

private:
    TPDFrm& window_;
};

}  // namespace pendara
