#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "app/page_control.h"
#include "app/window_fixture.h"
#include "main_list/main_list.h"
#include "window/handler_guard.h"

using namespace pendara;
using pendara::testing::CaseTrace;
using pendara::testing::ScriptedDialogs;
using pendara::testing::Spit;
using pendara::testing::WindowFixture;

class MainWindowTest : public QObject {
    Q_OBJECT

    static QToolButton* menu(TPDFrm& window, const char* name) {
        return window.findChild<QToolButton*>(QString::fromLatin1(name));
    }
    static QString panel(TPDFrm& window, int index) {
        return window.findChild<QLabel*>(QStringLiteral("SBPanel%1").arg(index))->text();
    }

private Q_SLOTS:
    void startsOnListBuilderWithoutTabs() {
        WindowFixture f;
        TPDFrm& window = f.make();
        QCOMPARE(window.page().activePage()->objectName(), QStringLiteral("shtLMaker"));
        QCOMPARE(window.page().visibleTabs(), QStringList());
        QVERIFY(menu(window, "spdLM")->isChecked());
        QCOMPARE(window.windowTitle(), QStringLiteral("Pendara"));
        QCOMPARE(window.size(), QSize(933, 588));
    }

    void menuShowsThePageOfItsTag() {
        WindowFixture f;
        TPDFrm& window = f.make();
        const std::pair<const char*, const char*> expected[] = {{"spdLS", "shtLMerge"},
                                                                {"spdLE", "shtLComp"},
                                                                {"SpeedButton1", "shtSU"},
                                                                {"sbMore", "shtMore"},
                                                                {"spdLM", "shtLMaker"}};
        for (const auto& [button, pageName] : expected) {
            const CaseTrace trace(QString::fromLatin1(button));
            menu(window, button)->click();
            QCOMPARE(window.page().activePage()->objectName(), QString::fromLatin1(pageName));
            QCOMPARE(window.page().visibleTabs(), QStringList());
            QVERIFY(menu(window, button)->isChecked());
        }
    }

    void extrasShowsTwoTabsAndMarksShellFoldersLoadedOnce() {
        WindowFixture f;
        TPDFrm& window = f.make();
        menu(window, "spdTools")->click();
        QCOMPARE(window.page().visibleTabs(),
                 QStringList({QStringLiteral("Error Message"), QStringLiteral("Shell Folder")}));
        QCOMPARE(window.page().activePage()->objectName(), QStringLiteral("shtError"));
        menu(window, "spdLS")->click();
        QCOMPARE(window.page().visibleTabs(), QStringList());
        menu(window, "spdTools")->click();
        QCOMPARE(window.page().visibleTabs().size(), 2);
    }

    void failuresOfAnyKindLeavingAHandlerEndInTheErrorBox() {
        ScriptedDialogs dialogs;
        RunGuarded(nullptr, dialogs, [] {});
        RunGuarded(nullptr, dialogs, [] { throw Failure("Disk full"); });
        RunGuarded(nullptr, dialogs, [] { throw 42; });
        QCOMPARE(dialogs.errors,
                 QStringList({QStringLiteral("Disk full."), QStringLiteral("Unknown error.")}));
    }

    void statusBarShowsDesignTextsThenReadings() {
        WindowFixture f;
        TPDFrm& window = f.make();
        QCOMPARE(panel(window, 0), QStringLiteral("Memory Usage : 100%"));
        QCOMPARE(panel(window, 2), QStringLiteral("System Uptime : -"));
        window.Timer1Timer();
        QCOMPARE(panel(window, 0), QStringLiteral("Memory Usage : 57%"));
        QCOMPARE(panel(window, 1), QStringLiteral("Power : 100%"));
        QCOMPARE(panel(window, 2),
                 QStringLiteral("System Uptime : 1 Day(s) 1 Hour(s) 1 Minute(s) 1 Second(s)"));
        f.status.battery = 0;
        window.Timer1Timer();
        QCOMPARE(panel(window, 1), QStringLiteral("Power : 0%"));
        QVERIFY(panel(window, 3).startsWith(QStringLiteral("https://")));
    }

    void linksOpenTheirTargetsAndTheVersionLabelTheProgramFolder() {
        WindowFixture f;
        TPDFrm& window = f.make();
        window.findChild<QToolButton*>(QStringLiteral("btnHome"))->click();
        window.findChild<QPushButton*>(QStringLiteral("sBitBtn7"))->click();
        QTest::mouseDClick(window.findChild<QLabel*>(QStringLiteral("Label6")), Qt::LeftButton);
        QCOMPARE(f.dialogs.opened.size(), 3);
        QVERIFY(f.dialogs.opened[0].contains(QStringLiteral("example.org")));
        QVERIFY(f.dialogs.opened[1].contains(QStringLiteral("example.org/support")));
        QCOMPARE(f.dialogs.opened[2], QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    }

    void iconDoubleClickOpensAnIndependentWindow() {
        WindowFixture f;
        TPDFrm& window = f.make();
        QVERIFY(window.isProgramWindow());
        window.mainList().setText("first\r\n");
        QTest::mouseDClick(window.findChild<QLabel*>(QStringLiteral("Icon")), Qt::LeftButton);
        auto* second = window.findChild<TPDFrm*>();
        QVERIFY(second != nullptr);
        QVERIFY(second->isWindow());
        QCOMPARE(second->mainList().text(), std::string());
        second->mainList().setText("second");
        QCOMPARE(window.mainList().text(), std::string("first\r\n"));
        QVERIFY(!second->isProgramWindow());
        // A changed list asks first; Discard lets the window go.
        f.dialogs.saveChoices.push_back(Dialogs::SaveChoice::Discard);
        second->close();  // deletes itself; the first window lives on
        QCOMPARE(f.dialogs.saveQuestions,
                 QStringList{QStringLiteral("Save changes to the Main List?")});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(window.findChild<TPDFrm*>(), nullptr);
        QCOMPARE(window.mainList().text(), std::string("first\r\n"));
    }

    void closingAsksToSaveOnlyAChangedListAndStaysOpenWhenNotSaved() {
        WindowFixture f;
        const QString question = QStringLiteral("Save changes to the Main List?");
        {
            TPDFrm& window = f.make();
            window.show();
            QVERIFY(window.close());  // empty
            QCOMPARE(f.dialogs.saveQuestions, QStringList());
        }
        TPDFrm& window = f.make();
        window.show();
        Spit(f.path(QStringLiteral("list.txt")), "a\n");
        f.dialogs.openAnswers.push_back(f.path(QStringLiteral("list.txt")));
        window.findChild<QAbstractButton*>(QStringLiteral("Load1"))->click();
        QVERIFY(window.close());  // unchanged since it was loaded
        QCOMPARE(f.dialogs.saveQuestions, QStringList());

        window.show();
        // A list from no file: saving it asks where to.
        window.findChild<QAbstractButton*>(QStringLiteral("RemAll"))->click();
        window.mainList().setText("b\r\n");
        f.dialogs.saveChoices = {Dialogs::SaveChoice::Cancel, Dialogs::SaveChoice::Save,
                                 Dialogs::SaveChoice::Save};
        QVERIFY(!window.close());
        QVERIFY(!window.close());  // the save dialog was cancelled
        f.dialogs.saveAnswers.push_back(f.path(QStringLiteral("no/such/folder/list.txt")));
        QVERIFY(!window.close());  // the save failed
        QCOMPARE(f.dialogs.errors.size(), 1);
        QCOMPARE(f.dialogs.saveQuestions.size(), 3);
        QCOMPARE(f.dialogs.saveQuestions.constFirst(), question);
        f.dialogs.saveChoices = {Dialogs::SaveChoice::Save};
        f.dialogs.saveAnswers.push_back(f.path(QStringLiteral("saved.txt")));
        QVERIFY(window.close());
        QFile saved(f.path(QStringLiteral("saved.txt")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        // Cleared, the list lost its file and its form: CR LF breaks.
        QCOMPARE(saved.readAll(), QByteArray("b\r\n"));
    }

    void aboutRunsModallyAndItsLinksOpenWhatTheyShow() {
        WindowFixture f;
        TPDFrm& window = f.make();
        QString shownHome;
        f.dialogs.onModal = [&](QDialog& about) {
            QCOMPARE(about.windowTitle(), QStringLiteral("About"));
            auto* home = about.findChild<QLabel*>(QStringLiteral("Label7"));
            shownHome = home->text();
            QTest::mouseClick(home, Qt::LeftButton);
            about.findChild<QToolButton*>(QStringLiteral("Image2"))->click();
            about.findChild<QToolButton*>(QStringLiteral("Image3"))->click();
        };
        window.AboutClick();
        QCOMPARE(f.dialogs.modalDialogs, QStringList({QStringLiteral("TfrmPDAbout")}));
        QCOMPARE(f.dialogs.opened.value(0), shownHome);
        QVERIFY(f.dialogs.opened.value(1).contains(QStringLiteral("facebook")));
        QCOMPARE(f.dialogs.inputBoxes.size(), 1);
        QVERIFY(f.dialogs.inputBoxes[0].startsWith(
            QStringLiteral("Support Us|If you want to support our Software Development, you can "
                           "send a Donation")));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
