#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QToolButton>

#include "app/page_control.h"
#include "support/more_page.h"
#include "support/support_fixture.h"
#include "support/table_grid.h"

using namespace pendara;
using pendara::testing::Strings;
using pendara::testing::SupportFixture;

namespace {

// Name, Version, Description, Rating, Download Link, ID, Share Link.
const std::vector<std::string> kCatalogue = {
    "Alpha\t2015.01\tFirst tool.\t3\thttps://dl/alpha\t1\t",
    "Pendara\t2016.08\tThis program, earlier line.\t5\thttps://dl/p1\t0\thttps://share/p1",
    "beta & co\t2016.08\tFast & small.\t5\thttps://dl/beta\t257\thttps://share/beta",
    "Gamma\t2016.02\tThird tool.\t\thttps://dl/gamma\tabc\t",
    "Pendara\t2014.01\tThis program, later line.\t5\thttps://dl/p2\t0\t",
    "Delta\t2013.12\tHuge ID.\t1\thttps://dl/delta\t99999999999\t",
};

QStringList Column(const TableGrid& grid, int column) {
    QStringList cells;
    for (int row = 0; row < grid.rowCount(); ++row) cells << grid.cell(column, row);
    return cells;
}

int RowOf(const TableGrid& grid, const QString& name) {
    for (int row = 0; row < grid.rowCount(); ++row) {
        if (grid.cell(0, row) == name) return row;
    }
    return -1;
}

}  // namespace

class MorePageTest : public QObject {
    Q_OBJECT

    static void select(TableGrid& grid, const QString& name) {
        const int row = RowOf(grid, name);
        QVERIFY2(row >= 0, qPrintable(name));
        grid.selectRow(row);
    }

private Q_SLOTS:
    void activatingTwiceRebuildsTheSameCatalogue() {
        SupportFixture f;
        TPDFrm& window = f.make();
        window.morePage().setTableSource(kCatalogue);
        auto& grid = *f.child<TableGrid>("nxMore");

        // Activation is the main window's; each one rebuilds the table from scratch.
        auto other = std::make_unique<QWidget>();
        for (int round = 0; round < 2; ++round) {
            other->show();
            other->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(other.get()));
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            // Newest first; the later "Pendara" line is gone, the earlier one stays.
            QCOMPARE(Column(grid, 1),
                     Strings({"2016.08", "2016.08", "2016.02", "2015.01", "2013.12"}));
            QCOMPARE(Column(grid, 0).size(), 5);
            QVERIFY(Column(grid, 0).contains(QStringLiteral("Pendara")));
            QVERIFY(!Column(grid, 2).contains(QStringLiteral("This program, later line.")));
        }
        QCOMPARE(QString::fromStdString(f.temp.readFile("more.txt")).left(10),
                 QStringLiteral("Alpha\t2015"));
        QVERIFY(f.temp.readFile("more.txt").ends_with("\t99999999999\t\r\n"));
        QCOMPARE(f.dialogs.errors, QStringList());
    }

    void failedWriteIsReportedOnceAndKeepsTheRows() {
        SupportFixture f;
        TPDFrm& window = f.make();
        window.morePage().setTableSource(kCatalogue);
        window.morePage().reloadCatalogue();
        auto& grid = *f.child<TableGrid>("nxMore");
        QCOMPARE(grid.rowCount(), 5);
        f.temp.failWrites = true;
        f.dialogs.errors.clear();
        window.morePage().reloadCatalogue();
        window.morePage().reloadCatalogue();
        QCOMPARE(f.dialogs.errors.size(), 1);
        QVERIFY(f.dialogs.errors[0].startsWith(QStringLiteral("Cannot create file \"")));
        QCOMPARE(grid.rowCount(), 5);
        // Another window keeps its own account.
        TPDFrm second(f.services);
        second.morePage().reloadCatalogue();
        second.morePage().reloadCatalogue();
        QCOMPARE(f.dialogs.errors.size(), 2);
    }

    void selectionShowsTheEntryWithItsAmpersandsAndIcon() {
        SupportFixture f;
        TPDFrm& window = f.make();
        window.morePage().setTableSource(kCatalogue);
        window.morePage().reloadCatalogue();
        auto& grid = *f.child<TableGrid>("nxMore");
        auto* name = f.child<QLabel>("lblPName");
        auto* icon = f.child<QLabel>("imgPIcon");
        auto* share = f.child<QCheckBox>("chkShare");
        auto* download = f.child<QToolButton>("msDownload");
        QVERIFY(download->isHidden());

        select(grid, QStringLiteral("beta & co"));
        QCOMPARE(name->text(), QStringLiteral("beta && co 2016.08"));
        QCOMPARE(f.child<QLabel>("lblPDetails")->text(), QStringLiteral("Fast && small."));
        QCOMPARE(download->property("helpKeyword").toString(), QStringLiteral("https://dl/beta"));
        // ID 257 is icon 1, kept in 8 bits.
        QVERIFY(!icon->pixmap().isNull());
        QCOMPARE(icon->pixmap().toImage(),
                 QPixmap(QStringLiteral(":/icons/more/01.png")).toImage());
        QVERIFY(!share->isHidden() && !download->isHidden() && !icon->isHidden());

        select(grid, QStringLiteral("Alpha"));
        QVERIFY(share->isHidden());

        // No row selected: the details go, the Share box keeps its visibility.
        select(grid, QStringLiteral("beta & co"));
        grid.clearSelection();
        QVERIFY(name->isHidden() && download->isHidden() && icon->isHidden());
        QVERIFY(!share->isHidden());
        QCOMPARE(f.dialogs.errors, QStringList());
    }

    void idThatIsNoWholeNumberFailsAfterTheTexts() {
        SupportFixture f;
        TPDFrm& window = f.make();
        window.morePage().setTableSource(kCatalogue);
        window.morePage().reloadCatalogue();
        auto& grid = *f.child<TableGrid>("nxMore");
        select(grid, QStringLiteral("beta & co"));
        QVERIFY(!f.child<QCheckBox>("chkShare")->isHidden());

        select(grid, QStringLiteral("Gamma"));
        QCOMPARE(f.dialogs.errors,
                 QStringList({QStringLiteral("'abc' is not a valid integer value.")}));
        QCOMPARE(f.child<QLabel>("lblPName")->text(), QStringLiteral("Gamma 2016.02"));
        QCOMPARE(f.child<QToolButton>("msDownload")->property("helpKeyword").toString(),
                 QStringLiteral("https://dl/gamma"));
        QVERIFY(f.child<QLabel>("imgPIcon")->pixmap().isNull());
        QVERIFY(!f.child<QCheckBox>("chkShare")->isHidden());

        select(grid, QStringLiteral("Delta"));
        QCOMPARE(f.dialogs.errors.last(),
                 QStringLiteral("'99999999999' is not a valid integer value."));
    }

    void shareBoxChoosesTheDownloadLink() {
        SupportFixture f;
        TPDFrm& window = f.make();
        window.morePage().setTableSource(kCatalogue);
        window.morePage().reloadCatalogue();
        auto& grid = *f.child<TableGrid>("nxMore");
        auto* share = f.child<QCheckBox>("chkShare");
        auto* download = f.child<QToolButton>("msDownload");

        select(grid, QStringLiteral("beta & co"));
        download->click();
        share->click();
        QCOMPARE(share->text(), QStringLiteral("Share :("));
        download->click();
        share->click();
        QCOMPARE(share->text(), QStringLiteral("Share :)"));
        download->click();
        // Without a Share Link the box hides and the Download Link opens, ticked or not.
        select(grid, QStringLiteral("Alpha"));
        QVERIFY(share->isChecked());
        download->click();
        QCOMPARE(f.dialogs.opened, Strings({"https://share/beta", "https://dl/beta",
                                            "https://share/beta", "https://dl/alpha"}));

        grid.clearSelection();
        download->click();
        QCOMPARE(f.dialogs.opened.size(), 4);
    }

    void headerClickSortsByItsColumnAndAgainReverses() {
        SupportFixture f;
        TPDFrm& window = f.make();
        window.morePage().setTableSource({"b\t1\t\t5", "C\t2\t\t10", "a\t3\t\t", "A2\t4\t\t2"});
        window.morePage().reloadCatalogue();
        auto& grid = *f.child<TableGrid>("nxMore");
        QHeaderView* header = grid.horizontalHeader();
        const auto click = [&](int column) {
            QTest::mouseClick(
                header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        };
        grid.resize(900, 300);
        click(0);
        QCOMPARE(Column(grid, 0), Strings({"a", "A2", "b", "C"}));
        click(0);
        QCOMPARE(Column(grid, 0), Strings({"C", "b", "A2", "a"}));
        // Ratings sort as numbers, an empty one as 0.
        click(3);
        QCOMPARE(Column(grid, 3), Strings({"", "2", "5", "10"}));
        // Versions were last sorted newest first, so a click gives oldest first.
        click(1);
        QCOMPARE(Column(grid, 1), Strings({"1", "2", "3", "4"}));
        click(1);
        QCOMPARE(Column(grid, 1), Strings({"4", "3", "2", "1"}));
    }
};

QTEST_MAIN(MorePageTest)
#include "more_page_test.moc"
