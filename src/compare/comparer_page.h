#pragma once

#include <QWidget>

namespace pendara {

class TPDFrm;

// Placeholder until this page is built.
class ComparerPage : public QWidget {
    Q_OBJECT
public:
    explicit ComparerPage(TPDFrm& window, QWidget* parent = nullptr);

private:
    TPDFrm& window_;
};

}  // namespace pendara
