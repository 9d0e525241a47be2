#include "support/support_dialog.h"

#include <QShowEvent>

#include "platform/settings_store.h"
#include "support/maker_info.h"
#include "support/support_flag.h"
#include "support/support_us_box.h"
#include "text/failure.h"
#include "ui_donate_main.h"
#include "window/accessible_names.h"
#include "window/control_link.h"
#include "window/dialogs.h"
#include "window/error_text.h"
#include "window/handler_guard.h"

namespace pendara {

TfrmDonate::TfrmDonate(SettingsStore* settings, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      dialogs_(dialogs),
      ui_(std::make_unique<Ui::TfrmDonate>()) {
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(422, 288);
    captionTemplate_ = windowTitle();
    label1Template_ = ui_->Label1->text();
    label11Template_ = ui_->Label11->text();
    checkTemplate_ = ui_->chkShow->text();

    const struct {
        QAbstractButton* control;
        const char* target;
        void (TfrmDonate::*click)();
    } links[] = {{ui_->FB28, maker::kFanPage, &TfrmDonate::BClick},
                 {ui_->Image2, maker::kShareOnFacebook, &TfrmDonate::imgPaypalClick},
                 {ui_->Image3, maker::kShareOnTwitter, &TfrmDonate::imgPaypalClick},
                 {ui_->Label3, maker::kWalletService, &TfrmDonate::BClick},
                 {ui_->Button2, maker::kSupportPage, &TfrmDonate::Button2Click}};
    for (const auto& [control, target, click] : links) {
        SetLinkTarget(*control, QString::fromUtf8(target));
        connect(control, &QAbstractButton::clicked, this, click);
    }
    connect(ui_->Button1, &QPushButton::clicked, this, &TfrmDonate::Button1Click);
    connect(ui_->Image4, &QPushButton::clicked, this, &TfrmDonate::Image4Click);
    NameControlsForReaders(*this);
}

TfrmDonate::~TfrmDonate() = default;

void TfrmDonate::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    closing_ = false;
    RunGuarded(this, dialogs_, [this] { FormShow(); });
}

void TfrmDonate::FormShow() {
    const QString name = property("helpKeyword").toString();
    // Check boxes take "&" for the mnemonic mark, so the name goes in with its "&" doubled; the
    // caption and the labels show text as it stands and get the name unchanged.
    const QString escaped = QString::fromStdString(EscapeMnemonics(name.toStdString()));
    const QString placeholder = QStringLiteral("%s");
    setWindowTitle(QString(captionTemplate_).replace(placeholder, name));
    ui_->Label1->setText(QString(label1Template_).replace(placeholder, name));
    ui_->Label11->setText(QString(label11Template_).replace(placeholder, name));
    ui_->chkShow->setText(QString(checkTemplate_).replace(placeholder, escaped));

    if (settings_ == nullptr) return;
    const std::string flag = ReadRegText(*settings_, SettingsRoot::CurrentUser, kSupportKey,
                                         SupportValueName(property("tag").toInt()));
    ui_->chkShow->setChecked(ShouldShowSupportDialog(flag));
}

void TfrmDonate::done(int result) {
    // Runs once, however the dialog closes; a flag that cannot be stored is reported and the
    // dialog closes all the same.
    if (!closing_) {
        closing_ = true;
        RunGuarded(this, dialogs_, [this] { FormClose(); });
    }
    QDialog::done(result);
}

void TfrmDonate::FormClose() {
    const int tag = property("tag").toInt();
    if (tag == 0 || settings_ == nullptr) return;
    EnsureRegKey(*settings_, SettingsRoot::CurrentUser, kMakerKey);
    EnsureRegKey(*settings_, SettingsRoot::CurrentUser, kSupportKey);
    WriteRegText(*settings_, kSupportKey, SupportValueName(tag),
                 ui_->chkShow->isChecked() ? "1" : "0");
}

void TfrmDonate::Button1Click() { close(); }

void TfrmDonate::openSenderTarget() { OpenLinkOf(dialogs_, this, sender()); }

void TfrmDonate::Button2Click() { openSenderTarget(); }

void TfrmDonate::imgPaypalClick() { openSenderTarget(); }

void TfrmDonate::BClick() { openSenderTarget(); }

void TfrmDonate::Image4Click() {
    ShowSupportUsBox(dialogs_, this, maker::kDonateBitcoinPrompt, maker::kBitcoinAddress);
}

}  // namespace pendara
