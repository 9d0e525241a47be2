#include "support/about_dialog.h"

#include <QMouseEvent>

#include "support/maker_info.h"
#include "support/support_us_box.h"
#include "ui_pd_about.h"
#include "window/accessible_names.h"
#include "window/control_link.h"
#include "window/dialogs.h"
#include "window/glyphs.h"
#include "window/readable_colour.h"

namespace pendara {

TfrmPDAbout::TfrmPDAbout(Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), ui_(std::make_unique<Ui::TfrmPDAbout>()) {
    ui_->setupUi(this);
    setFixedSize(size());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    ui_->Image1->setPixmap(ApplicationIcon().pixmap(64, 64));
    ui_->Label7->setText(QString::fromUtf8(maker::kHomeAddress));
    ui_->Label9->setText(QString::fromUtf8(maker::kFanAddress));
    ui_->Label5->setText(QString::fromUtf8(maker::kForumAddress));
    ui_->Label3->setText(QString::fromUtf8(maker::kAboutFooter));
    for (QLabel* link : {ui_->Label7, ui_->Label9, ui_->Label5}) {
        QFont underlined = link->font();
        underlined.setUnderline(true);
        link->setFont(underlined);
        SetTextColour(*link, QColor(0, 0, 255));
    }
    ui_->Image2->setIcon(BitcoinPicture(QSize(76, 27)));
    ui_->Image2->setIconSize(QSize(76, 27));
    ui_->Image2->setToolButtonStyle(Qt::ToolButtonIconOnly);

    const struct {
        QToolButton* button;
        const char* target;
        const char* caption;
    } links[] = {{ui_->FB28, maker::kFanPage, QT_TR_NOOP("Like")},
                 {ui_->Image3, maker::kShareOnFacebook, QT_TR_NOOP("Share")},
                 {ui_->Image4, maker::kShareOnTwitter, QT_TR_NOOP("Tweet")}};
    for (const auto& link : links) {
        SetLinkTarget(*link.button, QString::fromUtf8(link.target));
        link.button->setText(tr(link.caption));
        connect(link.button, &QToolButton::clicked, this, &TfrmPDAbout::BClick2);
    }
    for (QLabel* label : {ui_->Label7, ui_->Label9, ui_->Label5}) label->installEventFilter(this);
    connect(ui_->Image2, &QToolButton::clicked, this, &TfrmPDAbout::Image2Click2);
    connect(ui_->Button1, &QPushButton::clicked, this, &TfrmPDAbout::Button1Click);
    NameControlsForReaders(*this);
}

TfrmPDAbout::~TfrmPDAbout() = default;

bool TfrmPDAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (auto* label = qobject_cast<QLabel*>(watched)) {
            Label5Click(*label);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmPDAbout::BClick2() { OpenLinkOf(dialogs_, this, sender()); }

void TfrmPDAbout::Label5Click(const QLabel& label) { dialogs_.openWithShell(this, label.text()); }

void TfrmPDAbout::Image2Click2() {
    ShowSupportUsBox(dialogs_, this, maker::kAboutBitcoinPrompt, maker::kBitcoinAddress);
}

void TfrmPDAbout::Button1Click() { accept(); }

}  // namespace pendara
