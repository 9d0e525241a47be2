#pragma once

#include <QWidget>

namespace pendara {

class TPDFrm;

// Placeholder until this page is built.
class MorePage : public QWidget {
    Q_OBJECT
public:
    explicit MorePage(TPDFrm& window, QWidget* parent = nullptr);
    // Rebuilds the catalogue table; runs at every activation of the main window.
    void reloadCatalogue();
private:
    TPDFrm& window_;
};

}  // namespace pendara
