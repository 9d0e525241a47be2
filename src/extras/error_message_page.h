#pragma once

#include <QWidget>

namespace pendara {

class TPDFrm;

// Placeholder until this page is built.
class ErrorMessagePage : public QWidget {
    Q_OBJECT
public:
    explicit ErrorMessagePage(TPDFrm& window, QWidget* parent = nullptr);

private:
    TPDFrm& window_;
};

}  // namespace pendara
