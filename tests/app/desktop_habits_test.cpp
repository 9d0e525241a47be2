// What a user of any desktop editor expects: saving in place, recent files, find and go to line,
// the caret's place, and keys and focus that never trap the user.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <set>

#include "app/page_control.h"
#include "app/window_fixture.h"
#include "batch/list_builder_page.h"
#include "compare/comparer_page.h"
#include "extras/shell_folder_page.h"
#include "main_list/main_list.h"
#include "main_list/main_list_actions.h"
#include "main_list/scintilla.h"
#include "merge/merger_page.h"
#include "platform/memory_settings_store.h"
#include "window/number_box.h"
#include "window/qt_dialogs.h"

using namespace pendara;
using pendara::testing::Child;
using pendara::testing::MemorySettingsStore;
using pendara::testing::Slurp;
using pendara::testing::Spit;
using pendara::testing::WindowFixture;

namespace {

// A window that shows and has the focus, so keys and focus behave as on a desktop.
TPDFrm& Shown(WindowFixture& f) {
    TPDFrm& window = f.make();
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) qFatal("window not active");
    return window;
}

QStringList Captions(const QMenu& menu) {
    QStringList captions;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator()) captions << action->text();
    }
    return captions;
}

QsciScintilla& Editor(TPDFrm& window) { return window.mainList().editor(); }

QString Selected(TPDFrm& window) { return Editor(window).selectedText(); }

int CaretLine(TPDFrm& window) {
    int line = 0, index = 0;
    Editor(window).getCursorPosition(&line, &index);
    return line;
}

}  // namespace

class DesktopHabitsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ctrlSSavesInPlaceAndSaveListStartsAtTheFile() {
        WindowFixture f;
        TPDFrm& window = f.make();
        const QString file = f.path(QStringLiteral("marked.txt"));
        Spit(file,
             "\xEF\xBB\xBF"
             "b\na\n");
        window.loadList(file);
        Child<QPushButton>(window, "Sort")->click();
        Child<QAction>(window, "actSave")->trigger();
        QCOMPARE(f.dialogs.saveRequests.size(), 0u);
        QCOMPARE(Slurp(file), QByteArray("\xEF\xBB\xBF"
                                         "a\nb\n"));
        QVERIFY(!window.mainList().isModified());

        // Save List asks, starting at the list's file; the list then belongs to the new file.
        const QString copy = f.path(QStringLiteral("copy.txt"));
        f.dialogs.saveAnswers = {copy};
        Child<QPushButton>(window, "Save1")->click();
        QCOMPARE(f.dialogs.saveRequests.at(0).initialFolder, f.folder.path());
        QCOMPARE(f.dialogs.saveRequests.at(0).fileName, QStringLiteral("marked.txt"));
        window.mainList().setText("c\na");
        Child<QAction>(window, "actSave")->trigger();
        QCOMPARE(Slurp(copy), QByteArray("\xEF\xBB\xBF"
                                         "c\na\n"));
        QCOMPARE(Slurp(file), QByteArray("\xEF\xBB\xBF"
                                         "a\nb\n"));

        // A list from no file asks where to go, also when closing the window saves it.
        Child<QToolButton>(window, "RemAll")->click();
        window.mainList().setText("typed");
        const QString typed = f.path(QStringLiteral("typed.txt"));
        f.dialogs.saveAnswers = {typed};
        f.dialogs.saveChoices = {Dialogs::SaveChoice::Save};
        QVERIFY(window.close());
        QCOMPARE(f.dialogs.saveRequests.size(), 2u);
        QCOMPARE(f.dialogs.saveRequests.at(1).fileName, QString());
        QCOMPARE(Slurp(typed), QByteArray("typed"));
    }

    void contextMenuOpensWindowsAndRecentLists() {
        WindowFixture f;
        MemorySettingsStore store;
        f.services.settings = &store;
        TPDFrm& window = f.make();
        QStringList files;
        for (int i = 0; i < 10; ++i) {
            files.prepend(f.path(QStringLiteral("list%1.txt").arg(i)));
            Spit(files.front(), QByteArray::number(i));
            window.loadList(files.front());
        }
        window.loadList(files.at(5));  // again: moves to the top, not in twice
        files.move(5, 0);
        const QStringList kept = files.mid(0, 8);

        ListBuilderPage& page = window.listBuilderPage();
        const std::unique_ptr<QMenu> menu = page.mainListActions().makeMenu(&window);
        QVERIFY(Captions(*menu).contains(QStringLiteral("&Tally Lines")));
        QVERIFY(Captions(*menu).contains(QStringLiteral("New &Window")));
        auto* recent = Child<QMenu>(window, "RecentLists");
        QCOMPARE(recent->actions().size(), 8);
        for (int i = 0; i < 8; ++i) QVERIFY(recent->actions().at(i)->text().endsWith(kept.at(i)));
        Child<QPushButton>(window, "Load1")->click();
        QCOMPARE(f.dialogs.openRequests.at(0).recentFiles, kept);

        // The new window keeps the same recent lists and loads from them.
        const int windows = window.findChildren<TPDFrm*>().size();
        Child<QAction>(window, "actNewWindow")->trigger();
        const QList<TPDFrm*> opened = window.findChildren<TPDFrm*>();
        QCOMPARE(opened.size(), windows + 1);
        TPDFrm& second = *opened.last();
        QVERIFY(second.isVisible());
        second.listBuilderPage().mainListActions().makeMenu(&second);
        Child<QMenu>(second, "RecentLists")->actions().at(2)->trigger();
        QCOMPARE(QByteArray::fromStdString(second.mainList().text()), Slurp(kept.at(2)));

        // A recent list that is gone says so once and leaves the menu.
        QFile::remove(kept.at(1));
        second.listBuilderPage().mainListActions().makeMenu(&second);
        for (QAction* action : Child<QMenu>(second, "RecentLists")->actions()) {
            if (action->text().endsWith(kept.at(1))) action->trigger();
        }
        QCOMPARE(f.dialogs.errors.size(), 1);
        window.listBuilderPage().mainListActions().makeMenu(&window);
        QVERIFY(!Captions(*Child<QMenu>(window, "RecentLists")).join(u'|').contains(kept.at(1)));
    }

    void findWalksMatchesAndGoToLineMovesTheCaret() {
        WindowFixture f;
        TPDFrm& window = Shown(f);
        window.mainList().setText("Apple pie\r\napple\r\npineapple\r\nAPPLE\r\n");
        auto* list = Child<QWidget>(window, "List2");
        const QRect listArea = list->geometry();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
        auto* box = Child<QLineEdit>(window, "FindText");
        QVERIFY(box->hasFocus());
        auto* bar = Child<QWidget>(window, "FindBar");
        // The bar takes the list's foot, never its first lines or another control's place.
        QCOMPARE(list->geometry().top(), listArea.top());
        QCOMPARE(bar->geometry().bottom(), listArea.bottom());
        QVERIFY(!bar->geometry().intersects(list->geometry()));

        QTest::keyClicks(box, QStringLiteral("apple"));
        QStringList walked;
        QTest::keyClick(box, Qt::Key_Return);
        walked << QString::number(CaretLine(window)) + Selected(window);
        QTest::keyClick(box, Qt::Key_Return);
        walked << QString::number(CaretLine(window)) + Selected(window);
        QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
        walked << QString::number(CaretLine(window)) + Selected(window);
        QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);  // round the start
        walked << QString::number(CaretLine(window)) + Selected(window);
        QCOMPARE(walked, QStringList({QStringLiteral("0Apple"), QStringLiteral("1apple"),
                                      QStringLiteral("0Apple"), QStringLiteral("3APPLE")}));
        QVERIFY(box->hasFocus());

        Child<QCheckBox>(window, "FindMatchCase")->setChecked(true);
        Child<QCheckBox>(window, "FindWholeWord")->setChecked(true);
        QTest::keyClick(box, Qt::Key_F3);  // round the end, past "pineapple"
        QCOMPARE(CaretLine(window), 1);
        QTest::keyClick(box, Qt::Key_F3);
        QCOMPARE(CaretLine(window), 1);  // the only whole word in that case
        box->setText(QStringLiteral("pear"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(f.dialogs.beeps, 1);

        QTest::keyClick(box, Qt::Key_G, Qt::ControlModifier);
        auto* line = Child<QLineEdit>(window, "GoToLine");
        QVERIFY(line->hasFocus());
        QTest::keyClicks(line, QStringLiteral("3"));
        QTest::keyClick(line, Qt::Key_Return);
        QCOMPARE(CaretLine(window), 2);
        QVERIFY(list->hasFocus());
        line->setText(QStringLiteral("999"));
        QTest::keyClick(line, Qt::Key_Enter);
        QCOMPARE(CaretLine(window), 4);  // the last line

        QTest::keyClick(line, Qt::Key_Escape);
        QVERIFY(bar->isHidden());
        QCOMPARE(list->geometry(), listArea);
        QVERIFY(list->hasFocus());
    }

    void caretPlaceAndLineCountShowBesideTheCaption() {
        WindowFixture f;
        TPDFrm& window = Shown(f);
        auto* place = Child<QLabel>(window, "ListPosition");
        const QRect caption = Child<QLabel>(window, "Label1")->geometry();
        QVERIFY(!place->geometry().intersects(caption));
        QCOMPARE(Child<QLabel>(window, "Label1")->text().remove(QLatin1Char('&')),
                 QStringLiteral("Main List :"));
        window.mainList().setText("one\r\n\xC3\xA4\xC3\xB6x\r\nthree");
        // After the two two-byte letters.
        Editor(window).SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 9UL);
        QTRY_COMPARE(place->text(), QStringLiteral("Line 2, Col 3 \u00B7 3 lines"));
        window.mainList().setText("one\r\n");
        Editor(window).SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0UL);
        QTRY_COMPARE(place->text(), QStringLiteral("Line 1, Col 1 \u00B7 1 line"));
    }

    void pageChangesAndEnterLeaveTheFocusWhereTheUserWorks() {
        WindowFixture f;
        TPDFrm& window = Shown(f);
        auto* merger = Child<QToolButton>(window, "spdLS");
        QTest::mouseClick(merger, Qt::LeftButton);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr && window.mergerPage().isAncestorOf(focus));
        QTest::keyClick(focus, Qt::Key_Space);
        QCOMPARE(window.page().activePage(), &window.mergerPage());

        // A tab chosen by mouse gives its page the focus as well.
        QTest::mouseClick(Child<QToolButton>(window, "spdTools"), Qt::LeftButton);
        auto* tabs = window.page().findChild<QTabBar*>();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCOMPARE(window.page().activePage(), static_cast<QWidget*>(&window.shellFolderPage()));
        QTRY_VERIFY(QApplication::focusWidget() != nullptr &&
                    window.shellFolderPage().isAncestorOf(QApplication::focusWidget()));

        // Enter in a merger box merges, and the List Builder takes the focus.
        Spit(f.path(QStringLiteral("l.txt")), "a");
        Spit(f.path(QStringLiteral("r.txt")), "b");
        Child<QLineEdit>(window, "txtLeftUp")->setText(f.path(QStringLiteral("l.txt")));
        Child<QLineEdit>(window, "txtRightDown")->setText(f.path(QStringLiteral("r.txt")));
        QTest::keyClick(Child<QLineEdit>(window, "txtSeparator"), Qt::Key_Return);
        QCOMPARE(window.page().activePage(), &window.listBuilderPage());
        QVERIFY(window.mainList().count() > 0);
        focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr && window.listBuilderPage().isAncestorOf(focus));

        // Enter in a text or number box runs its operation; the focus stays for more typing.
        window.mainList().setText("x\r\ny");
        auto* text = Child<QLineEdit>(window, "MAdd");
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral(">"));
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral(">"));
        QCOMPARE(text->text(), QStringLiteral(">>"));
        QVERIFY(text->hasFocus());
        auto* number = Child<NumberBox>(window, "MRem");
        number->setFocus();
        QTest::keyClick(number, Qt::Key_Return);
        QVERIFY(number->hasFocus());
        QCOMPARE(QString::fromStdString(window.mainList().text()), QStringLiteral("x\r\ny\r\n"));

        // Enter on a focused button presses it.
        auto* sort = Child<QPushButton>(window, "Sort");
        window.mainList().setText("b\r\na");
        sort->setFocus();
        QTest::keyClick(sort, Qt::Key_Return);
        QCOMPARE(QString::fromStdString(window.mainList().text()), QStringLiteral("a\r\nb\r\n"));

        // Enter in a comparer box compares.
        Child<QRadioButton>(window, "RadioButton1")->click();
        Child<QRadioButton>(window, "RadioButton6")->click();
        auto* first = Child<QLineEdit>(window, "txtFirst");
        first->setText(f.path(QStringLiteral("l.txt")));
        QTest::keyClick(first, Qt::Key_Return);
        QCOMPARE(Child<QListView>(window, "lstSame")->toolTip(), QStringLiteral("1 line"));
    }

    void tabReachesEverySideMenuButton() {
        WindowFixture f;
        Shown(f);
        const char* side[] = {"SpeedButton1", "spdLM",  "spdLS",   "spdLE",
                              "spdTools",     "sbMore", "sBitBtn7"};
        std::set<QString> reached;
        for (int i = 0; i < 200 && QApplication::focusWidget() != nullptr; ++i) {
            reached.insert(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (const char* name : side) QVERIFY2(reached.count(QString::fromLatin1(name)) == 1, name);
    }

    void editorKeysReachTheMenuAndThePageCommands() {
        WindowFixture f;
        TPDFrm& window = Shown(f);
        auto* list = Child<QWidget>(window, "List2");
        window.mainList().setText("b\r\na");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        // A button's key presses it as a click would, drawn pressed for a moment first.
        QTRY_COMPARE(QString::fromStdString(window.mainList().text()),
                     QStringLiteral("a\r\nb\r\n"));
        f.dialogs.saveAnswers = {f.path(QStringLiteral("keyed.txt"))};
        QTest::keyClick(list, Qt::Key_S, Qt::ControlModifier);  // no file yet: asks
        QCOMPARE(Slurp(f.path(QStringLiteral("keyed.txt"))), QByteArray("a\r\nb\r\n"));

        QString opened;
        QTimer::singleShot(0, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                opened = popup->objectName();
                popup->close();
            }
        });
        QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(opened, QStringLiteral("MainListMenu"));
    }

    void comparerResultsTellTheirSizeAndExportWhatItDid() {
        WindowFixture f;
        TPDFrm& window = f.make();
        window.mainList().setText("a\r\nb\r\nc");
        f.dialogs.clipboard = "b\r\nd";
        Child<QRadioButton>(window, "RadioButton3")->click();
        Child<QRadioButton>(window, "RadioButton5")->click();
        Child<QPushButton>(window, "Button7")->click();
        QStringList sizes;
        for (const char* name : {"lstFirst", "lstSecond", "lstSame", "lstDif"})
            sizes << Child<QListView>(window, name)->toolTip();
        QCOMPARE(sizes, QStringList({QStringLiteral("2 lines"), QStringLiteral("1 line"),
                                     QStringLiteral("1 line"), QStringLiteral("3 lines")}));
        auto* exportButton = Child<QPushButton>(window, "btnDif");
        exportButton->click();
        QCOMPARE(window.mainList().count(), 3);
        QCOMPARE(exportButton->toolTip(), QStringLiteral("3 lines went to the Main List"));
        QCOMPARE(exportButton->text(), QStringLiteral("Export to Main List"));
    }

    void saveChangesButtonsHaveMnemonics() {
        QtDialogs dialogs;
        QStringList buttons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            for (QAbstractButton* button : box->buttons()) buttons << button->text();
            box->button(QMessageBox::Discard)->click();
        });
        QCOMPARE(dialogs.askSaveChanges(nullptr, QStringLiteral("Save?")),
                 Dialogs::SaveChoice::Discard);
        buttons.sort();
        QCOMPARE(buttons, QStringList({QStringLiteral("&Cancel"), QStringLiteral("&Discard"),
                                       QStringLiteral("&Save")}));
    }
};

QTEST_MAIN(DesktopHabitsTest)
#include "desktop_habits_test.moc"
