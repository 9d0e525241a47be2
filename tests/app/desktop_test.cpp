// How the program meets the desktop: lists named on the command line, the file dialogs' start
// folders, files dropped on the file boxes and fitting a small screen.
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "app/window_fixture.h"
#include "main_list/main_list.h"
#include "platform/memory_settings_store.h"
#include "window/folder_memory_dialogs.h"
#include "window/qt_dialogs.h"

using namespace pendara;
using pendara::testing::Child;
using pendara::testing::MemorySettingsStore;
using pendara::testing::Spit;
using pendara::testing::WindowFixture;

namespace {

// Drags `data` over `box` and drops it there, as a file manager or another program would.
void DropOn(QWidget& box, QMimeData& data) {
    const QPointF at(box.width() / 2.0, box.height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &drop);
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        // Qt's own settings land here unless the program keeps them out of the config folder.
        QVERIFY(configHome_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome_.path()));
    }

    void namedListsLoadAsLoadListWouldEachFurtherInAWindowOfItsOwn() {
        WindowFixture f;
        TPDFrm& window = f.make();
        Spit(f.path(QStringLiteral("a.txt")), "one\r\ntwo\r\n");
        Spit(f.path(QStringLiteral("b.txt")), "three");
        window.loadList(f.path(QStringLiteral("a.txt")));
        TPDFrm& second = window.openWindow();
        second.loadList(f.path(QStringLiteral("b.txt")));
        QCOMPARE(QString::fromStdString(window.mainList().text()),
                 QStringLiteral("one\r\ntwo\r\n"));
        QCOMPARE(QString::fromStdString(second.mainList().text()), QStringLiteral("three"));
        QVERIFY(!second.isProgramWindow());

        // A missing file gives the same error box as choosing it in Load List.
        const QString missing = f.path(QStringLiteral("none.txt"));
        window.loadList(missing);
        f.dialogs.openAnswers.push_back(missing);
        Child<QPushButton>(window, "Load1")->click();
        QCOMPARE(f.dialogs.errors.size(), 2);
        QCOMPARE(f.dialogs.errors.value(0), f.dialogs.errors.value(1));
        QVERIFY(f.dialogs.errors.value(0).contains(QStringLiteral("none.txt")));
    }

    void fileDialogsStartWhereTheirPurposeLastChoseElseAtHome() {
        WindowFixture f;
        MemorySettingsStore store;
        const QString home = f.path(QStringLiteral("home"));
        const QString lists = f.path(QStringLiteral("lists"));
        QVERIFY(QDir().mkpath(home) && QDir().mkpath(lists));
        FolderMemoryDialogs dialogs(f.dialogs, &store, home);
        f.services.dialogs = &dialogs;
        TPDFrm& window = f.make();
        Spit(lists + QStringLiteral("/in.txt"), "x");

        // Saved before any load: a loaded list's Save List starts at its own file instead.
        f.dialogs.saveAnswers = {QString()};
        Child<QPushButton>(window, "Save1")->click();
        f.dialogs.openAnswers = {lists + QStringLiteral("/in.txt"), QString()};
        Child<QPushButton>(window, "Load1")->click();
        Child<QPushButton>(window, "Load1")->click();
        Child<QPushButton>(window, "Button8")->click();  // the merger's browse, its own purpose
        QCOMPARE(f.dialogs.openRequests.size(), 3u);
        QCOMPARE(f.dialogs.openRequests[0].initialFolder, home);
        QCOMPARE(f.dialogs.openRequests[1].initialFolder, lists);
        QCOMPARE(f.dialogs.saveRequests.at(0).initialFolder, home);
        QCOMPARE(f.dialogs.openRequests[2].initialFolder, home);

        // A box naming a folder still decides where its browse starts.
        Child<QLineEdit>(window, "txtLeftUp")->setText(home + QStringLiteral("/x.txt"));
        Child<QPushButton>(window, "Button8")->click();
        QCOMPARE(f.dialogs.openRequests[3].initialFolder, home);

        // A remembered folder that is gone, or a store that cannot keep one, means home.
        QVERIFY(QDir(lists).removeRecursively());
        store.readOnly = true;
        f.dialogs.openAnswers = {home + QStringLiteral("/y.txt")};
        Child<QPushButton>(window, "Load1")->click();
        QCOMPARE(f.dialogs.openRequests[4].initialFolder, home);
        QCOMPARE(f.dialogs.errors.size(), 1);  // only the missing y.txt
    }

    void qtFileDialogLeavesNoStateInTheConfigFolder() {
        // Guards against QtProject.conf appearing in the user's config folder.
        QtDialogs dialogs;
        QTimer::singleShot(0, [] {
            if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
        });
        QCOMPARE(dialogs.openFile(nullptr, {QString(), QStringLiteral("Text File (*.txt)"),
                                            configHome_.path(), QString(), QString()}),
                 std::nullopt);
        QCOMPARE(QDir(configHome_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    void fileDroppedOnAFileBoxFillsItWithItsPath() {
        WindowFixture f;
        TPDFrm& window = f.make();
        const QString file = f.path(QStringLiteral("dropped.txt"));
        for (const char* name : {"txtLeftUp", "txtRightDown", "txtFirst", "txtSecond"}) {
            const pendara::testing::CaseTrace trace(QString::fromLatin1(name));
            auto* box = Child<QLineEdit>(window, name);
            box->setEnabled(true);
            box->setText(QStringLiteral("old"));
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(file)});
            data.setText(QUrl::fromLocalFile(file).toString());
            DropOn(*box, data);
            QCOMPARE(box->text(), file);
        }
        // Plain text is no file: the box handles it as it always did.
        auto* box = Child<QLineEdit>(window, "txtFirst");
        box->clear();
        QMimeData text;
        text.setText(QStringLiteral("typed"));
        DropOn(*box, text);
        QCOMPARE(box->text(), QStringLiteral("typed"));
    }

    void smallScreenShrinksWindowAndFontsInProportion() {
        // The offscreen screen is 800 x 600, too small for the 933 x 588 layout.
        WindowFixture f;
        f.services.screenFit = ScreenFit::ShrinkToScreen;
        TPDFrm& window = f.make();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(window.width() < screen.width());
        QVERIFY(window.height() < screen.height());
        const double factor = window.width() / 933.0;
        QVERIFY(qAbs(window.height() - 588 * factor) <= 1);
        auto* bar = Child<QStatusBar>(window, "SB");
        QCOMPARE(bar->geometry().bottom(), window.height() - 1);  // status bar still at the foot
        const double titleSize = Child<QLabel>(window, "title")->font().pointSizeF();
        QVERIFY2(qAbs(titleSize - 10 * factor) < 0.02, qPrintable(QString::number(titleSize)));
        QVERIFY(screen.contains(window.geometry()));
        const auto* grid = Child<QTableView>(window, "nxContributor");
        QVERIFY2(qAbs(grid->columnWidth(0) - 150 * factor) <= 1,
                 qPrintable(QString::number(grid->columnWidth(0))));
    }

private:
    QTemporaryDir configHome_;
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
