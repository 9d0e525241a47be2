#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfrmDonate;
}

namespace pendara {

class Dialogs;
class SettingsStore;

// The support dialog shown at start-up until the user clears "Show this dialog when ... starts".
// Before it is shown the caller sets two dynamic properties: "helpKeyword", the product name put
// in place of "%s" in its texts, and "tag", the program's number under which the flag is stored
// (0 stores nothing). The flag is written whichever way the dialog closes.
class TfrmDonate : public QDialog {
    Q_OBJECT
public:
    // `settings` may be null: the dialog then reads and stores nothing.
    TfrmDonate(SettingsStore* settings, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TfrmDonate() override;

    void done(int result) override;

public Q_SLOTS:
    // Close: closes the dialog.
    void Button1Click();
    // A link button: opens its target.
    void Button2Click();
    // The payment picture: opens its target.
    void imgPaypalClick();
    // A link button: opens its target.
    void BClick();
    // The coin picture: shows the address box.
    void Image4Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // On show: puts the product name into the caption and the texts.
    void FormShow();
    // On close, whatever closes it: stores the support flag.
    void FormClose();
    void openSenderTarget();

    SettingsStore* settings_;
    Dialogs& dialogs_;
    std::unique_ptr<Ui::TfrmDonate> ui_;
    QString captionTemplate_;
    QString label1Template_;
    QString label11Template_;
    QString checkTemplate_;
    bool closing_ = false;
};

}  // namespace pendara
