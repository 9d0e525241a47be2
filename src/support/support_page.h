#pragma once

// The support folder: start-up steps that use the settings store, the support and About dialogs,
// the support, contributor and catalogue pages, and the table grid they share.

#include <QWidget>
#include <functional>
#include <memory>

class QLineEdit;

namespace Ui {
class SupportPage;
}

namespace pendara {

class PageContext;

// The donation address for an amount box: `prefix`, the box's text exactly as typed, `suffix`.
// A box whose text is not a whole number, or is zero, is first set to "5".
QString AmountLinkTarget(QLineEdit& box, const QString& prefix, const QString& suffix);

// "Support Us!": the ways to support the program, the donation panel and the way to the
// contributor list.
class SupportPage : public QWidget {
    Q_OBJECT
public:
    explicit SupportPage(const PageContext& context, QWidget* parent = nullptr);
    ~SupportPage() override;

public Q_SLOTS:
    // Link controls: open the clicked control's target.
    void VisitURL();
    // The same, opening the window in its normal size and position.
    void VisitURL3();
    // A link button: opens its target as it is shown.
    void BClick2222();
    // Copy: the Bitcoin address to the clipboard.
    void subBTCClick22();
    // Copy: the Litecoin address to the clipboard.
    void subLTCClick22();
    // Copy: the Dogecoin address to the clipboard.
    void subDOGEClick22();
    // The CoinPayments button: opens the payment page for the amount in its box.
    void imgCPClick();
    // The Skrill button: opens the payment page for the amount in its box.
    void btnSkrillClick();
    // Shows the information message.
    void btnDInfoClick();
    // Shows the mobile-number box.
    void DonateTri();
    // Contributor List: shows the contributor page, filled on first demand.
    void sBitBtn1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openSenderTarget();
    void copyToClipboard(const QLineEdit& box);

    const PageContext& context_;
    std::unique_ptr<Ui::SupportPage> ui_;
};

}  // namespace pendara
