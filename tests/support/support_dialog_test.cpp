#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "platform/memory_settings_store.h"
#include "platform/settings_store.h"
#include "support/support_dialog.h"
#include "window/case_trace.h"
#include "window/scripted_dialogs.h"

using namespace pendara;
using pendara::testing::MemorySettingsStore;
using pendara::testing::ScriptedDialogs;

namespace {

constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;

struct Dialog {
    MemorySettingsStore store;
    ScriptedDialogs dialogs;
    TfrmDonate dialog{&store, dialogs};

    explicit Dialog(const QString& product = QStringLiteral("Pendara"), int tag = 7) {
        dialog.setProperty("helpKeyword", product);
        dialog.setProperty("tag", tag);
    }
    QCheckBox* check() { return dialog.findChild<QCheckBox*>(QStringLiteral("chkShow")); }
    QPushButton* button(const char* name) {
        return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    std::string flag() { return ReadRegText(store, kUser, "Software\\Brantor\\Support", "07"); }
};

}  // namespace

class SupportDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsTheProductNameWithItsAmpersands() {
        Dialog d(QStringLiteral("A&B"));
        d.dialog.show();
        QCOMPARE(d.dialog.windowTitle(), QStringLiteral("Support \"A&B\""));
        QCOMPARE(d.check()->text(), QStringLiteral("Show this dialog when \"A&&B\" starts"));
        QCOMPARE(d.dialog.findChild<QLabel*>(QStringLiteral("Label4"))->text(),
                 QStringLiteral("Your support & contributions are greatly appreciated!"));
        QCOMPARE(d.dialog.findChild<QLabel*>(QStringLiteral("Label11"))->text(),
                 QStringLiteral("Thank you for using A&B!"));
        QCOMPARE(d.dialog.size(), QSize(422, 288));
    }

    void boxFollowsTheStoredFlag() {
        Dialog cleared;
        cleared.store.setText(kUser, "Software\\Brantor\\Support", "07", "01");
        cleared.dialog.show();
        QVERIFY(!cleared.check()->isChecked());
        Dialog absent;
        absent.check()->setChecked(false);
        absent.dialog.show();
        QVERIFY(absent.check()->isChecked());
    }

    void everyWayOfClosingStoresTheFlag() {
        Dialog byButton;
        byButton.dialog.show();
        byButton.check()->setChecked(false);
        byButton.button("Button1")->click();
        QVERIFY(!byButton.dialog.isVisible());
        QCOMPARE(byButton.flag(), std::string("0"));
        QVERIFY(byButton.store.valueNames(kUser, "Software\\Brantor").has_value());

        Dialog byCloseBox;
        byCloseBox.dialog.show();
        byCloseBox.dialog.close();
        QCOMPARE(byCloseBox.flag(), std::string("1"));

        Dialog byEscape;
        byEscape.dialog.show();
        byEscape.check()->setChecked(false);
        QTest::keyClick(&byEscape.dialog, Qt::Key_Escape);
        QCOMPARE(byEscape.flag(), std::string("0"));
    }

    void tagZeroStoresNothing() {
        Dialog d(QStringLiteral("Pendara"), 0);
        d.dialog.show();
        d.dialog.close();
        QVERIFY(!d.store.valueNames(kUser, "Software\\Brantor").has_value());
    }

    void failedStoreIsReportedAndTheDialogStillCloses() {
        Dialog d;
        d.store.readOnly = true;
        d.dialog.show();
        d.button("Button1")->click();
        QVERIFY(!d.dialog.isVisible());
        QCOMPARE(d.dialogs.errors,
                 QStringList({QStringLiteral("Failed to create key Software\\Brantor.")}));
    }

    void linksOpenTheirTargetsAndBitcoinShowsTheAddress() {
        Dialog d;
        d.dialog.show();
        for (const char* link : {"FB28", "Image2", "Image3", "Label3", "Button2"})
            d.button(link)->click();
        QCOMPARE(d.dialogs.opened.size(), 5);
        for (const QString& target : d.dialogs.opened)
            QVERIFY2(target.startsWith(QStringLiteral("https://")), qPrintable(target));
        QCOMPARE(d.dialogs.opened.value(4),
                 d.button("Button2")->property("helpKeyword").toString());
        d.button("Image4")->click();
        QCOMPARE(d.dialogs.inputBoxes.size(), 1);
        QVERIFY(d.dialogs.inputBoxes[0].startsWith(
            QStringLiteral("Support Us|If you want to Support Our Software Development, you can "
                           "Send a Donation to "
                           "Our BitCoin Address\n\nThanks!|")));
    }
};

QTEST_MAIN(SupportDialogTest)
#include "support_dialog_test.moc"
