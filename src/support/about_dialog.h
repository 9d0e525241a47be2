#pragma once

#include <QDialog>
#include <memory>

class QLabel;

namespace Ui {
class TfrmPDAbout;
}

namespace pendara {

class Dialogs;

// The About dialog: name, logo, date of last update, the maker's addresses as links.
class TfrmPDAbout : public QDialog {
    Q_OBJECT
public:
    TfrmPDAbout(Dialogs& dialogs, QWidget* parent);
    ~TfrmPDAbout() override;

public Q_SLOTS:
    // A link button: opens its target.
    void BClick2();
    // A link label opens exactly the address it shows.
    void Label5Click(const QLabel& label);
    // The coin button: shows the address box.
    void Image2Click2();
    // OK: closes the dialog.
    void Button1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Dialogs& dialogs_;
    std::unique_ptr<Ui::TfrmPDAbout> ui_;
};

}  // namespace pendara
