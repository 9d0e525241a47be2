#pragma once

#include <QWidget>

namespace pendara {

class TPDFrm;

// Placeholder until this page is built.
class ShellFolderPage : public QWidget {
    Q_OBJECT
public:
    explicit ShellFolderPage(TPDFrm& window, QWidget* parent = nullptr);
    // Loads the shell folder rows for the root chosen in SF; may fail.
    void ReadSF();
private:
    TPDFrm& window_;
};

}  // namespace pendara
