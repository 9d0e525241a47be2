#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/page_control.h"
#include "support/contributor_page.h"
#include "support/support_fixture.h"
#include "support/support_page.h"
#include "support/table_grid.h"

using namespace pendara;
using pendara::testing::Strings;
using pendara::testing::SupportFixture;

namespace {

// Name, Website, Facebook, Twitter, Google Plus, Contribution.
const std::vector<std::string> kContributors = {
    "Ann\thttps://ann\t-\thttps://tw/ann\t-\tTranslation|2016",
    "Bob\t-\thttps://fb/bob\t\t-\tTesting, 2016",
};

}  // namespace

class ContributorPageTest : public QObject {
    Q_OBJECT

    static QList<bool> enabled(SupportFixture& f) {
        QList<bool> states;
        for (const char* name : {"cHome", "cFB", "cTwitter", "cGPlus"}) {
            states << f.child<QToolButton>(name)->isEnabled();
        }
        return states;
    }

private Q_SLOTS:
    void firstPressFillsTheListAndLaterPressesOnlyShowIt() {
        SupportFixture f;
        TPDFrm& window = f.make();
        window.contributorPage().setTableSource(kContributors);
        auto& grid = *f.child<TableGrid>("nxContributor");
        QCOMPARE(grid.rowCount(), 0);
        const int writesBefore = f.temp.writes;

        f.child<QPushButton>("sBitBtn1")->click();
        QCOMPARE(window.page().activePage(), static_cast<QWidget*>(&window.contributorPage()));
        QCOMPARE(grid.rowCount(), 2);
        QCOMPARE(grid.cell(5, 0), QStringLiteral("Translation\r\n2016"));
        QVERIFY(f.temp.readFile("Contributor.txt")
                    .starts_with(std::string("\xFF\xFE"
                                             "A\0",
                                             4)));
        QCOMPARE(f.temp.writes, writesBefore + 1);

        window.showListBuilder();
        f.child<QPushButton>("sBitBtn1")->click();
        QCOMPARE(window.page().activePage(), static_cast<QWidget*>(&window.contributorPage()));
        QCOMPARE(f.temp.writes, writesBefore + 1);
        QCOMPARE(grid.rowCount(), 2);

        f.child<QPushButton>("btnHTSU")->click();
        QCOMPARE(window.page().activePage(), static_cast<QWidget*>(&window.supportPage()));
    }

    void failedWriteLeavesTheListEmptyForTheNextTry() {
        SupportFixture f;
        TPDFrm& window = f.make();
        window.contributorPage().setTableSource(kContributors);
        f.temp.failWrites = true;
        f.child<QPushButton>("sBitBtn1")->click();
        QCOMPARE(f.dialogs.errors.size(), 1);
        QCOMPARE(window.page().activePage(), static_cast<QWidget*>(&window.contributorPage()));
        QCOMPARE(f.child<TableGrid>("nxContributor")->rowCount(), 0);
        f.temp.failWrites = false;
        f.child<QPushButton>("sBitBtn1")->click();
        QCOMPARE(f.child<TableGrid>("nxContributor")->rowCount(), 2);
    }

    void selectionSetsNameContributionAndLinkButtons() {
        SupportFixture f;
        TPDFrm& window = f.make();
        window.contributorPage().setTableSource(kContributors);
        f.child<QPushButton>("sBitBtn1")->click();
        auto& grid = *f.child<TableGrid>("nxContributor");
        QCOMPARE(enabled(f), QList<bool>({false, false, false, false}));

        grid.selectRow(0);
        QCOMPARE(f.child<QLabel>("lblCName")->text(), QStringLiteral("Ann"));
        QCOMPARE(f.child<QPlainTextEdit>("mContribution")->toPlainText(),
                 QStringLiteral("Translation\n2016"));
        QCOMPARE(enabled(f), QList<bool>({true, false, true, false}));
        f.child<QToolButton>("cTwitter")->click();
        QCOMPARE(f.dialogs.opened, Strings({"https://tw/ann"}));

        // Every selection starts from "-": Ann's Twitter does not stay behind; an empty
        // field counts as a link.
        grid.selectRow(1);
        QCOMPARE(enabled(f), QList<bool>({false, true, true, false}));
        QCOMPARE(f.child<QToolButton>("cTwitter")->property("helpKeyword").toString(), QString());

        grid.clearSelection();
        QCOMPARE(f.child<QLabel>("lblCName")->text(), QString());
        QCOMPARE(enabled(f), QList<bool>({false, false, false, false}));
    }
};

QTEST_MAIN(ContributorPageTest)
#include "contributor_page_test.moc"
