#include "main_list/main_list_actions.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>
#include <functional>

#include "app/window_fixture.h"
#include "batch/list_builder_page.h"
#include "main_list/main_list.h"
#include "main_list/scintilla.h"

#include <Qsci/qscicommandset.h>

using namespace pendara;
using pendara::testing::CaseTrace;
using pendara::testing::Child;
using pendara::testing::Spit;
using pendara::testing::WindowFixture;

namespace {

const std::string kStart = "b\r\n  a\r\n\r\nc\r\nb\r\n";

void Click(TPDFrm& window, const char* name) { Child<QAbstractButton>(window, name)->click(); }

void Type(TPDFrm& window, const char* name, const char* text) {
    Child<QLineEdit>(window, name)->setText(QString::fromUtf8(text));
}

QAction* Action(TPDFrm& window, const char* name) { return Child<QAction>(window, name); }

QsciScintilla& Editor(TPDFrm& window) { return window.mainList().editor(); }

}  // namespace

class MainListActionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyWholeListChangeIsOneUndoStepThatTheWorkListFollows() {
        WindowFixture f;
        TPDFrm& window = f.make();
        Spit(f.path(QStringLiteral("one.txt")), "x\ny\n");
        Spit(f.path(QStringLiteral("two.txt")), "1\n2\n");
        f.dialogs.numberings.push_back(Dialogs::Numbering{});
        const std::pair<const char*, std::function<void()>> commands[] = {
            {"Add", [&] { Type(window, "MAdd", "#"), Click(window, "BtnAdd"); }},
            {"Remove", [&] { Click(window, "BtnRemove"); }},
            {"Replace", [&] { Type(window, "MRep", "b"), Click(window, "BtnRep"); }},
            {"Filter", [&] { Type(window, "IncText", "c"), Click(window, "BtnFilter"); }},
            {"Remove empty lines", [&] { Click(window, "RemELine"); }},
            {"Trim", [&] { Click(window, "btnTrim"); }},
            {"Remove by length", [&] { Click(window, "Button14"); }},
            {"Load",
             [&] {
                 f.dialogs.openAnswers.push_back(f.path(QStringLiteral("one.txt")));
                 Click(window, "Load1");
             }},
            {"Paste", [&] { f.dialogs.clipboard = "pasted", Click(window, "Button5"); }},
            {"Clear", [&] { Click(window, "RemAll"); }},
            {"Sort", [&] { Click(window, "Sort"); }},
            {"Scramble", [&] { Click(window, "btnScramble"); }},
            {"MERGE",
             [&] {
                 Type(window, "txtLeftUp", f.path(QStringLiteral("one.txt")).toUtf8().constData());
                 Type(window, "txtRightDown",
                      f.path(QStringLiteral("two.txt")).toUtf8().constData());
                 Click(window, "Button11");
             }},
            {"Export to Main List",
             [&] {
                 Child<QRadioButton>(window, "RadioButton3")->click();
                 Child<QRadioButton>(window, "RadioButton6")->click();
                 Click(window, "Button7");
                 Click(window, "btnDif");  // nothing: the list is emptied
             }},
            {"Remove Duplicates", [&] { Action(window, "actDedupe")->trigger(); }},
            {"Keep Repeated Lines", [&] { Action(window, "actRepeated")->trigger(); }},
            {"Keep Single Lines", [&] { Action(window, "actSingles")->trigger(); }},
            {"Tally Lines", [&] { Action(window, "actTally")->trigger(); }},
            {"Reverse", [&] { Action(window, "actReverse")->trigger(); }},
            {"Sort Descending", [&] { Action(window, "actSortDescending")->trigger(); }},
            {"Natural Sort", [&] { Action(window, "actNaturalSort")->trigger(); }},
            {"Sort by Length", [&] { Action(window, "actLengthSort")->trigger(); }},
            {"Number Lines", [&] { Action(window, "actNumberLines")->trigger(); }},
        };
        MainList& list = window.mainList();
        for (const auto& [name, command] : commands) {
            const CaseTrace trace(QString::fromUtf8(name));
            list.setText(kStart);
            window.workList().keepCount(-1);  // stale
            const std::size_t steps = list.history().steps();
            command();
            QCOMPARE(f.dialogs.errors, QStringList());
            const std::string after = list.text();
            QVERIFY(after != kStart);
            QCOMPARE(list.history().steps(), steps + 1);
            Action(window, "actUndo")->trigger();
            QCOMPARE(list.text(), kStart);
            QCOMPARE(window.workList().count(), list.count());
            Action(window, "actRedo")->trigger();
            QCOMPARE(list.text(), after);
            QCOMPARE(window.workList().count(), list.count());
            window.showListBuilder();
        }
    }

    void typingAndWholeListStepsUndoInTurn() {
        WindowFixture f;
        TPDFrm& window = f.make();
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QsciScintilla& editor = Editor(window);
        editor.setFocus();
        QTest::keyClicks(&editor, QStringLiteral("apple"));
        QTest::keyClick(&editor, Qt::Key_Return);
        QTest::keyClicks(&editor, QStringLiteral("pear"));
        Type(window, "IncText", "pear");
        Click(window, "BtnFilter");
        editor.setFocus();
        QTest::keyClick(&editor, Qt::Key_End);
        QTest::keyClicks(&editor, QStringLiteral("s"));
        MainList& list = window.mainList();
        QCOMPARE(list.text(), std::string("pears\r\n"));
        // Ctrl+Z from the editor, then from a button: the window's undo either way.
        QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(list.text(), std::string("pear\r\n"));
        auto* button = Child<QPushButton>(window, "BtnAdd");
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(list.text(), std::string("apple\r\npear"));
        QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(list.text(), std::string());
        QTest::keyClick(&editor, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(list.text(), std::string("pear\r\n"));
        // A text box keeps its own undo.
        auto* box = Child<QLineEdit>(window, "MAdd");
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("xy"));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->text(), QString());
        QCOMPARE(list.text(), std::string("pear\r\n"));
    }

    void tabMovesOnAndOnlyCtrlTabTypesATab() {
        WindowFixture f;
        TPDFrm& window = f.make();
        window.show();
        QsciScintilla& editor = Editor(window);
        editor.setFocus();
        QTest::keyClick(&editor, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != &editor);
        editor.setFocus();
        QTest::keyClick(&editor, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(QApplication::focusWidget() != &editor);
        QCOMPARE(window.mainList().text(), std::string());
        editor.setFocus();
        QTest::keyClick(&editor, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(window.mainList().text(), std::string("\t"));
    }

    void shortcutsNeitherClashNorTakeTheEditorsKeys() {
        WindowFixture f;
        TPDFrm& window = f.make();
        QStringList seen;
        const auto check = [&](const QKeySequence& key) {
            const CaseTrace trace(key.toString());
            QVERIFY(!seen.contains(key.toString()));
            seen << key.toString();
            const int combination = key[0].toCombined();
            const bool undoKey = key == QKeySequence(QStringLiteral("Ctrl+Z")) ||
                                 key == QKeySequence(QStringLiteral("Ctrl+Y")) ||
                                 key == QKeySequence(QStringLiteral("Ctrl+Shift+Z"));
            if (!undoKey)
                QCOMPARE(Editor(window).standardCommands()->boundTo(combination), nullptr);
        };
        // Every key of the page: the list commands', find's, save's and the new window's.
        for (QAction* action : window.listBuilderPage().actions()) {
            for (const QKeySequence& key : action->shortcuts()) check(key);
        }
        for (const char* name :
             {"Load1", "Save1", "Sort", "btnScramble", "RemAll", "Button4", "Button5"}) {
            auto* button = Child<QAbstractButton>(window, name);
            check(button->shortcut());
            QVERIFY(button->toolTip().contains(button->shortcut().toString()));
        }
        // The desktop's own: Save As is Save List, which asks; Ctrl+S saves in place.
        QCOMPARE(Child<QAbstractButton>(window, "Save1")->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        QVERIFY(seen.contains(QStringLiteral("Ctrl+S")));
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QStringList shown = f.dialogs.modalDialogs;
        Editor(window).setFocus();
        QTest::keyClick(&Editor(window), Qt::Key_F1);
        QCOMPARE(f.dialogs.modalDialogs, shown + QStringList{QStringLiteral("TfrmPDAbout")});
    }

    void droppedFileLoadsAsLoadListDoes() {
        WindowFixture f;
        TPDFrm& window = f.make();
        window.show();
        Spit(f.path(QStringLiteral("dropped.txt")), "one\ntwo");
        QWidget* viewport = Editor(window).viewport();
        const auto drop = [&](const QString& path) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            // A drop goes where the drag entered.
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &enter);
            QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &event);
            return event.isAccepted();
        };
        QVERIFY(drop(f.path(QStringLiteral("dropped.txt"))));
        QCOMPARE(window.mainList().text(), std::string("one\r\ntwo"));
        QVERIFY(!window.mainList().isModified());
        QCOMPARE(window.mainList().history().steps(), std::size_t{1});
        drop(f.path(QStringLiteral("missing.txt")));
        f.dialogs.openAnswers.push_back(f.path(QStringLiteral("missing.txt")));
        Click(window, "Load1");
        QCOMPARE(f.dialogs.errors.size(), 2);
        QCOMPARE(f.dialogs.errors[0], f.dialogs.errors[1]);
        QCOMPARE(window.mainList().text(), std::string("one\r\ntwo"));
    }

    void contextMenuShowsUndoStateAndNumbersLinesAsAsked() {
        WindowFixture f;
        TPDFrm& window = f.make();
        MainListActions& actions = window.listBuilderPage().mainListActions();
        QMenu extra(QStringLiteral("File Form"));
        actions.addMenuSection(&extra);
        const auto shown = [&](const char* name) {
            auto menu = actions.makeMenu(&window);
            const QList<QAction*> items = menu->actions();
            const auto found = std::find_if(items.begin(), items.end(), [&](QAction* item) {
                return item->objectName() == QLatin1String(name);
            });
            if (found == items.end()) qFatal("no menu item %s", name);
            return (*found)->isEnabled() && items.contains(extra.menuAction());
        };
        QVERIFY(!shown("actUndo"));
        QVERIFY(!shown("actCut"));
        QVERIFY(shown("actSelectAll"));  // and the hung-in menu is there
        window.mainList().setText("a\r\nb\r\n");
        QVERIFY(shown("actUndo"));
        QVERIFY(!shown("actRedo"));

        f.dialogs.numberings.push_back(Dialogs::Numbering{9, 2, QStringLiteral(": ")});
        f.dialogs.numberings.push_back(std::nullopt);
        Action(window, "actNumberLines")->trigger();
        QCOMPARE(window.mainList().text(), std::string("09: a\r\n10: b\r\n"));
        const std::size_t steps = window.mainList().history().steps();
        Action(window, "actNumberLines")->trigger();  // cancelled
        QCOMPARE(window.mainList().history().steps(), steps);
    }
};

QTEST_MAIN(MainListActionsTest)
#include "main_list_actions_test.moc"
