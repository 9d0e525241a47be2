#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "support/link_label.h"
#include "support/maker_info.h"
#include "support/support_fixture.h"
#include "support/support_page.h"

using namespace pendara;
using pendara::testing::CaseTrace;
using pendara::testing::Strings;
using pendara::testing::SupportFixture;

class SupportPageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void amountBoxesReplaceZeroOrUnreadableAmountsByFive() {
        SupportFixture f;
        f.make();
        auto* amount = f.child<QLineEdit>("amSkrill");
        auto* donate = f.child<QToolButton>("btnSkrill");
        const QString prefix = QString::fromUtf8(maker::kSkrill.prefix);
        const QString suffix = QString::fromUtf8(maker::kSkrill.suffix);
        for (const char* typed : {"0", "", "-", "00", "abc"}) {
            const CaseTrace trace(QStringLiteral("typed \"%1\"").arg(QString::fromUtf8(typed)));
            amount->setText(QString::fromUtf8(typed));
            donate->click();
            QCOMPARE(amount->text(), QStringLiteral("5"));
            QCOMPARE(f.dialogs.opened.last(), prefix + QStringLiteral("5") + suffix);
        }
        for (const char* typed : {"25", "-3", "+07"}) {
            const CaseTrace trace(QStringLiteral("typed \"%1\"").arg(QString::fromUtf8(typed)));
            amount->setText(QString::fromUtf8(typed));
            donate->click();
            QCOMPARE(amount->text(), QString::fromUtf8(typed));
            QCOMPARE(f.dialogs.opened.last(), prefix + QString::fromUtf8(typed) + suffix);
        }
        f.child<QLineEdit>("amCP")->setText(QStringLiteral("12"));
        f.child<QToolButton>("imgCP")->click();
        QCOMPARE(f.dialogs.opened.last(), QString::fromUtf8(maker::kCoinPayments.prefix) +
                                              QStringLiteral("12") +
                                              QString::fromUtf8(maker::kCoinPayments.suffix));
    }

    void amountBoxesRefuseOtherKeysWithABeep() {
        SupportFixture f;
        f.make();
        auto* amount = f.child<QLineEdit>("amCP");
        amount->clear();
        QTest::keyClicks(amount, QStringLiteral("1a2-+ ."));
        QCOMPARE(amount->text(), QStringLiteral("12-+"));
        QCOMPARE(f.dialogs.beeps, 3);
        QTest::keyClick(amount, Qt::Key_Backspace);
        QTest::keyClick(amount, Qt::Key_Return);
        QTest::keyClick(amount, Qt::Key_Left);
        QCOMPARE(amount->text(), QStringLiteral("12-"));
        QCOMPARE(f.dialogs.beeps, 3);
    }

    void copyButtonsPutTheAddressOnTheClipboard() {
        SupportFixture f;
        f.make();
        const std::pair<const char*, const char*> copies[] = {{"subBTC", maker::kBitcoinAddress},
                                                              {"subLTC", maker::kLitecoinAddress},
                                                              {"subDOGE", maker::kDogecoinAddress}};
        for (const auto& [button, address] : copies) {
            const CaseTrace trace(QString::fromLatin1(button));
            f.child<QPushButton>(button)->click();
            QCOMPARE(QString::fromStdString(f.dialogs.clipboard), QString::fromUtf8(address));
        }
        f.dialogs.clipboardBusy = true;
        f.child<QPushButton>("subBTC")->click();
        QCOMPARE(f.dialogs.errors, Strings({"Cannot open clipboard."}));
    }

    void linksOpenTheirTargets() {
        SupportFixture f;
        f.make();
        f.child<QToolButton>("Image1")->click();
        f.child<QPushButton>("sBitBtn5")->click();
        QTest::mouseClick(f.child<LinkLabel>("Label25"), Qt::LeftButton);
        QCOMPARE(f.dialogs.opened,
                 QStringList({QString::fromUtf8(maker::kShareOnFacebook),
                              QString::fromUtf8(maker::kPayeer.prefix) + QStringLiteral("50") +
                                  QString::fromUtf8(maker::kPayeer.suffix),
                              QString::fromUtf8(maker::kPayeer.signUp)}));
    }

    void informationAndOtherTabShowTheirBoxes() {
        SupportFixture f;
        f.make();
        QCOMPARE(f.child<QTabWidget>("PageControl1")->count(), 5);
        f.child<QToolButton>("btnDInfo")->click();
        QCOMPARE(f.dialogs.informations.size(), 1);
        QVERIFY(f.dialogs.informations[0].startsWith(
            QStringLiteral("Your Donation will be used to :\n\n1. Keep")));
        QVERIFY(f.dialogs.informations[0].contains(QStringLiteral("Domain & Web Hosting")));
        f.child<QToolButton>("Image6")->click();
        QCOMPARE(f.dialogs.inputBoxes.size(), 1);
        QVERIFY(f.dialogs.inputBoxes[0].startsWith(QStringLiteral("Support Us|")));
        QVERIFY(f.dialogs.inputBoxes[0].endsWith(QLatin1Char('|') +
                                                 QString::fromUtf8(maker::kMobileNumber)));
    }
};

QTEST_MAIN(SupportPageTest)
#include "support_page_test.moc"
