#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "app/window_fixture.h"
#include "extras/shell_folder_page.h"
#include "platform/memory_settings_store.h"

using namespace pendara;
using pendara::testing::MemorySettingsStore;
using pendara::testing::WindowFixture;

namespace {

constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;
constexpr SettingsRoot kMachine = SettingsRoot::LocalMachine;

struct Page {
    WindowFixture f;
    MemorySettingsStore store;
    TPDFrm* window = nullptr;
    ShellFolderPage* page = nullptr;

    Page() {
        store.setText(kUser, kShellFoldersKey, "Desktop", "/home/u/Desktop");
        store.setText(kUser, kShellFoldersKey, "My=Music", "/home/u/Music");
        store.setText(kMachine, kShellFoldersKey, "Data", "/usr/share");
        f.services.settings = &store;
        window = &f.make();
        page = &window->shellFolderPage();
    }
    QTableView* grid() { return page->findChild<QTableView*>(QStringLiteral("SL")); }
    QComboBox* root() { return page->findChild<QComboBox*>(QStringLiteral("SF")); }
    QStringList rows() {
        QStringList out;
        for (int r = 0; r < grid()->model()->rowCount(); ++r) {
            out << grid()->model()->index(r, 0).data().toString() + QLatin1Char('|') +
                       grid()->model()->index(r, 1).data().toString();
        }
        return out;
    }
    void choose(int index) {
        root()->setCurrentIndex(index);
        Q_EMIT root()->activated(index);
    }
    void visitExtras() { window->findChild<QToolButton*>(QStringLiteral("spdTools"))->click(); }
    void select(int row) { grid()->setCurrentIndex(grid()->model()->index(row, 0)); }
};

}  // namespace

class ShellFolderPageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstExtrasVisitFillsOnceInStoreOrder() {
        Page p;
        QCOMPARE(p.rows(), QStringList({QStringLiteral("|")}));
        p.visitExtras();
        QCOMPARE(p.grid()->property("tag").toInt(), 1);
        // A name with "=" splits at its first "=".
        QCOMPARE(p.rows(), QStringList({QStringLiteral("Desktop|/home/u/Desktop"),
                                        QStringLiteral("My|Music=/home/u/Music")}));
        p.store.setText(kUser, kShellFoldersKey, "Videos", "/v");
        p.visitExtras();
        QCOMPARE(p.rows().size(), 2);  // not reloaded on the second visit
    }

    void failedFirstFillIsRetriedOnTheNextVisit() {
        Page p;
        p.store.setBinary(kUser, kShellFoldersKey, "Broken");
        p.store.setText(kUser, kShellFoldersKey, "After", "/a");
        p.visitExtras();
        QCOMPARE(p.f.dialogs.errors,
                 QStringList({QStringLiteral("Invalid data type for 'Broken'")}));
        QCOMPARE(p.grid()->property("tag").toInt(), 0);
        QCOMPARE(p.rows().size(), 2);  // the rows before the failure stay
        p.store.setText(kUser, kShellFoldersKey, "Broken", "/b");
        p.visitExtras();
        QCOMPARE(p.grid()->property("tag").toInt(), 1);
        QCOMPARE(p.rows().size(), 4);
    }

    void choosingARootReloadsItsRows() {
        Page p;
        p.visitExtras();
        p.choose(1);
        QCOMPARE(p.rows(), QStringList({QStringLiteral("Data|/usr/share")}));
        p.store.setText(kUser, kShellFoldersKey, "Videos", "/v");
        p.choose(0);
        QCOMPARE(p.rows().size(), 3);
        p.choose(0);  // the same entry again reloads too
        QCOMPARE(p.rows().size(), 3);
        p.store.machine = SettingsFile();  // a key that cannot be read: empty, no message
        p.choose(1);
        QCOMPARE(p.rows(), QStringList());
        QCOMPARE(p.f.dialogs.errors, QStringList());
    }

    void openAndCopyTakeTheLocationOfTheCurrentRow() {
        Page p;
        p.page->findChild<QPushButton*>(QStringLiteral("Open"))->click();  // the empty start row
        QCOMPARE(p.f.dialogs.opened, QStringList());
        p.visitExtras();
        p.select(1);
        p.page->findChild<QPushButton*>(QStringLiteral("Open"))->click();
        p.select(0);
        Q_EMIT p.grid()->doubleClicked(p.grid()->model()->index(0, 0));
        QCOMPARE(p.f.dialogs.opened, QStringList({QStringLiteral("Music=/home/u/Music"),
                                                  QStringLiteral("/home/u/Desktop")}));
        p.page->findChild<QPushButton*>(QStringLiteral("Button6"))->click();
        QCOMPARE(p.f.dialogs.clipboard, std::string("/home/u/Desktop"));
        p.f.dialogs.clipboardBusy = true;
        p.page->findChild<QPushButton*>(QStringLiteral("Button6"))->click();
        QCOMPARE(p.f.dialogs.errors, QStringList({QStringLiteral("Cannot open clipboard.")}));
    }
};

QTEST_MAIN(ShellFolderPageTest)
#include "shell_folder_page_test.moc"
