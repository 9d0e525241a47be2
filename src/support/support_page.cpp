#include "support/support_page.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "support/contributor_page.h"
#include "support/maker_info.h"
#include "support/support_resources.h"
#include "support/support_us_box.h"
#include "text/number_box_rule.h"
#include "ui_support_page.h"
#include "window/control_link.h"
#include "window/dialogs.h"
#include "window/handler_guard.h"
#include "window/page_context.h"
#include "window/readable_colour.h"

namespace pendara {

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// Amount boxes take digits, signs, backspace and Enter; other typed characters are refused.
// Keys that type nothing (arrows, Delete) and shortcuts (copy, paste) are not typing.
bool RefusedAmountKey(const QKeyEvent& key) {
    const QString text = key.text();
    if (text.isEmpty() ||
        (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        return false;
    }
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return false;
    const QChar c = text.front();
    const bool accepted = text.size() == 1 && ((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' ||
                                               c == u'\b' || c == u'\r' || c == u'\n');
    return !accepted;
}

}  // namespace

QString AmountLinkTarget(QLineEdit& box, const QString& prefix, const QString& suffix) {
    if (ParseWholeNumber(box.text().toStdString()).value_or(0) == 0) {
        box.setText(QStringLiteral("5"));
    }
    return prefix + box.text() + suffix;
}

SupportPage::SupportPage(const PageContext& context, QWidget* parent)
    : QWidget(parent), context_(context), ui_(std::make_unique<Ui::SupportPage>()) {
    LoadSupportResources();
    ui_->setupUi(this);
    SetTextColour(*ui_->Label19, QColor(0, 128, 0));
    SetTextColour(*ui_->Label9, QColor(0, 128, 0));
    SetTextColour(*ui_->Image5, QColor(63, 135, 224));
    // Picture buttons: what a screen reader says for each.
    ui_->imgCP->setAccessibleName(tr("Donate with CoinPayments"));
    ui_->btnSkrill->setAccessibleName(tr("Donate with Skrill"));
    ui_->Image6->setAccessibleName(tr("Donate by mobile credit"));

    const auto target = [](QWidget* control, const QString& address) {
        SetLinkTarget(*control, address);
    };
    target(ui_->Image1, Text(maker::kShareOnFacebook));
    target(ui_->Image4, Text(maker::kShareOnTwitter));
    target(ui_->Image3, Text(maker::kDirectorySearch));
    target(ui_->Image2, Text(maker::kFanPage));
    target(ui_->Label23, Text(maker::kWalletService));
    target(ui_->Label24, Text(maker::kCoinPayments.signUp));
    target(ui_->Label25, Text(maker::kPayeer.signUp));
    target(ui_->Label29, Text(maker::kSkrill.signUp));
    const std::pair<QAbstractButton*, int> amounts[] = {
        {ui_->don5, 5},      {ui_->don10, 10},    {ui_->sBitBtn2, 15}, {ui_->sBitBtn3, 20},
        {ui_->sBitBtn4, 30}, {ui_->sBitBtn5, 50}, {ui_->sBitBtn6, 100}};
    for (const auto& [button, amount] : amounts) {
        target(button,
               Text(maker::kPayeer.prefix) + QString::number(amount) + Text(maker::kPayeer.suffix));
        connect(button, &QAbstractButton::clicked, this, &SupportPage::VisitURL);
    }
    ui_->suBTC->setText(Text(maker::kBitcoinAddress));
    ui_->suLTC->setText(Text(maker::kLitecoinAddress));
    ui_->suDOGE->setText(Text(maker::kDogecoinAddress));

    using Page = SupportPage;
    const std::pair<QAbstractButton*, void (Page::*)()> clicks[] = {
        {ui_->Image1, &Page::VisitURL3},         {ui_->Image4, &Page::VisitURL3},
        {ui_->Image2, &Page::VisitURL3},         {ui_->Image3, &Page::BClick2222},
        {ui_->subBTC, &Page::subBTCClick22},     {ui_->subLTC, &Page::subLTCClick22},
        {ui_->subDOGE, &Page::subDOGEClick22},   {ui_->imgCP, &Page::imgCPClick},
        {ui_->btnSkrill, &Page::btnSkrillClick}, {ui_->btnDInfo, &Page::btnDInfoClick},
        {ui_->Image6, &Page::DonateTri},         {ui_->sBitBtn1, &Page::sBitBtn1Click}};
    for (const auto& [button, click] : clicks) {
        connect(button, &QAbstractButton::clicked, this, click);
    }
    for (LinkLabel* label : {ui_->Label23, ui_->Label24, ui_->Label25, ui_->Label29}) {
        connect(label, &LinkLabel::clicked, this, &SupportPage::VisitURL3);
    }
    ui_->amCP->installEventFilter(this);
    ui_->amSkrill->installEventFilter(this);
}

SupportPage::~SupportPage() = default;

void SupportPage::openSenderTarget() {
    const QObject* control = sender();
    RunGuarded(this, context_.dialogs(),
               [&] { OpenLinkOf(context_.dialogs(), &context_.window(), control); });
}

void SupportPage::VisitURL() { openSenderTarget(); }
void SupportPage::VisitURL3() { openSenderTarget(); }
void SupportPage::BClick2222() { openSenderTarget(); }

void SupportPage::copyToClipboard(const QLineEdit& box) {
    RunGuarded(this, context_.dialogs(),
               [&] { context_.dialogs().setClipboardText(box.text().toStdString()); });
}

void SupportPage::subBTCClick22() { copyToClipboard(*ui_->suBTC); }
void SupportPage::subLTCClick22() { copyToClipboard(*ui_->suLTC); }
void SupportPage::subDOGEClick22() { copyToClipboard(*ui_->suDOGE); }

void SupportPage::imgCPClick() {
    RunGuarded(this, context_.dialogs(), [&] {
        context_.dialogs().openWithShell(
            &context_.window(), AmountLinkTarget(*ui_->amCP, Text(maker::kCoinPayments.prefix),
                                                 Text(maker::kCoinPayments.suffix)));
    });
}

void SupportPage::btnSkrillClick() {
    RunGuarded(this, context_.dialogs(), [&] {
        context_.dialogs().openWithShell(
            &context_.window(), AmountLinkTarget(*ui_->amSkrill, Text(maker::kSkrill.prefix),
                                                 Text(maker::kSkrill.suffix)));
    });
}

void SupportPage::btnDInfoClick() {
    RunGuarded(this, context_.dialogs(), [&] {
        context_.dialogs().information(
            &context_.window(),
            tr("Your Donation will be used to :\n"
               "\n"
               "1. Keep our Software Development going\n"
               "\n"
               "2. Buy our own Domain & Web Hosting\n"
               "( Currently We still using Subdomain & Free Webhosting\n"
               "which can be Suspended anytime )\n"
               "\n"
               "3. Save our Virtual Company from Collapsed\n"
               "( Our funds was limited, and our Virtual Company maybe will be Collapsed\n"
               "when We run out of Money, Sooner or Later )"));
    });
}

void SupportPage::DonateTri() {
    RunGuarded(this, context_.dialogs(), [&] {
        ShowSupportUsBox(context_.dialogs(), &context_.window(), maker::kMobilePrompt,
                         maker::kMobileNumber);
    });
}

void SupportPage::sBitBtn1Click() {
    RunGuarded(this, context_.dialogs(), [&] { context_.navigator().showContributorPage(); });
}

bool SupportPage::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == ui_->amCP || watched == ui_->amSkrill) && event->type() == QEvent::KeyPress &&
        RefusedAmountKey(*static_cast<QKeyEvent*>(event))) {
        RunGuarded(this, context_.dialogs(), [&] { context_.dialogs().beep(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace pendara
