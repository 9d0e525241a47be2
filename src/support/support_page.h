#pragma once

#include <QWidget>

namespace pendara {

class TPDFrm;

// Placeholder until this page is built.
class SupportPage : public QWidget {
    Q_OBJECT
public:
    explicit SupportPage(TPDFrm& window, QWidget* parent = nullptr);

private:
    TPDFrm& window_;
};

}  // namespace pendara
