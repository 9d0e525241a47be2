#pragma once

#include <QWidget>
#include <functional>
#include <memory>

class QLineEdit;

namespace Ui {
class SupportPage;
}

namespace pendara {

class TPDFrm;

// The donation address for an amount box: `prefix`, the box's text exactly as typed, `suffix`.
// A box whose text is not a whole number, or is zero, is first set to "5".
QString AmountLinkTarget(QLineEdit& box, const QString& prefix, const QString& suffix);

// "Support Us!": the ways to support the program, the donation panel and the way to the
// contributor list.
class SupportPage : public QWidget {
    Q_OBJECT
public:
    explicit SupportPage(TPDFrm& window, QWidget* parent = nullptr);
    ~SupportPage() override;

public Q_SLOTS:
    // Link controls: open the clicked control's target.
    void VisitURL();
    void VisitURL3();
    void BClick2222();
    void subBTCClick22();
    void subLTCClick22();
    void subDOGEClick22();
    void imgCPClick();
    void btnSkrillClick();
    void btnDInfoClick();
    void DonateTri();
    void sBitBtn1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openSenderTarget();
    void copyToClipboard(const QLineEdit& box);
    void guard(const std::function<void()>& handler);

    TPDFrm& window_;
    std::unique_ptr<Ui::SupportPage> ui_;
};

}  // namespace pendara
