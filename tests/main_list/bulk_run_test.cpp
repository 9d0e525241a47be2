#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "app/window_fixture.h"
#include "batch/list_builder_page.h"
#include "main_list/bulk_run.h"
#include "main_list/main_list.h"
#include "main_list/main_list_actions.h"
#include "main_list/scintilla.h"
#include "text/failure.h"

using namespace pendara;
using pendara::testing::WindowFixture;

namespace {

// Holds a worker until the test lets it go, so that the test sees the operation running.
struct Gate {
    std::atomic<bool> open{false};
    std::atomic<bool> entered{false};
    void pass() {
        entered = true;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!open) {
            if (std::chrono::steady_clock::now() > deadline) throw Failure("Gate never opened");
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
};

struct Window {
    WindowFixture fixture;
    TPDFrm& window = fixture.make();
    MainList& list = window.mainList();
    BulkRun& run = window.listBuilderPage().bulkRun();

    explicit Window(const std::string& text) {
        list.setText(text);
        window.workList().keep(list.lines());
        // Every job goes to the worker, however short the list.
        run.setInlineBytes(0);
    }
};

}  // namespace

class BulkRunTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowKeepsAnsweringWhileAnOperationRunsAndTakesNoSecond() {
        Window w("b\r\na\r\n");
        w.window.show();
        std::atomic<int> ticks{0};
        QTimer clock;
        connect(&clock, &QTimer::timeout, [&] { ++ticks; });
        clock.start(5);
        // The edit finishes only once the window's timer has fired on: a window that waited for
        // it would never see the timer fire, and the edit would fail.
        QVERIFY(w.run.start({.edit = [&](LineList& lines) {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (ticks < 5) {
                if (std::chrono::steady_clock::now() > deadline) throw Failure("Timer stopped");
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            lines.add("c");
        }}));
        QVERIFY(w.run.running());
        QVERIFY(w.list.editor().isReadOnly());
        QVERIFY(!w.window.findChild<QAbstractButton*>(QStringLiteral("Sort"))->isEnabled());
        QVERIFY(!w.window.findChild<QAbstractButton*>(QStringLiteral("BtnAdd"))->isEnabled());
        QVERIFY(!w.run.start({.edit = [](LineList& lines) { lines.clear(); }}));
        w.run.wait();

        QCOMPARE(w.fixture.dialogs.errors, QStringList());
        QCOMPARE(w.list.text(), std::string("b\r\na\r\nc\r\n"));
        QCOMPARE(w.window.workList().count(), 3);
        // One step for the one operation that ran; it undoes to the text before it.
        QCOMPARE(w.list.history().steps(), std::size_t{2});
        QVERIFY(!w.list.editor().isReadOnly());
        QVERIFY(w.window.findChild<QAbstractButton*>(QStringLiteral("Sort"))->isEnabled());
        w.list.undo();
        QCOMPARE(w.list.text(), std::string("b\r\na\r\n"));
    }

    void escCancelsAtOnceAndLeavesEverythingAsItWas() {
        Window w("one\r\ntwo\r\n");
        w.window.show();
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.window.workList().keepCount(7);  // stale: no operation left it so
        const std::uint64_t state = w.list.history().state();
        const std::size_t steps = w.list.history().steps();
        w.run.setProgressDelay(0);
        Gate gate;
        QVERIFY(w.run.start({.edit = [&](LineList& lines) {
            gate.pass();
            lines.clear();
        }}));
        QTRY_VERIFY(gate.entered);
        const auto progress = [&] {
            return w.window.findChild<QFrame*>(QStringLiteral("BulkProgress"));
        };
        QTRY_VERIFY(progress() != nullptr && progress()->isVisible());
        // The window keeps its focus: the progress is not a dialog.
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        QElapsedTimer took;
        took.start();
        QTest::keyClick(&w.window, Qt::Key_Escape);
        QVERIFY(!w.run.running());
        QVERIFY(took.elapsed() < 200);
        QVERIFY(!progress()->isVisible());
        gate.open = true;
        // What the dropped edit gives later never arrives.
        QTest::qWait(100);
        QCOMPARE(w.list.text(), std::string("one\r\ntwo\r\n"));
        QCOMPARE(w.window.workList().count(), 7);
        QCOMPARE(w.list.history().state(), state);
        QCOMPARE(w.list.history().steps(), steps);
        QVERIFY(!w.list.editor().isReadOnly());
        QCOMPARE(w.fixture.dialogs.errors, QStringList());
        // And the next operation runs.
        QVERIFY(w.run.start({.edit = [](LineList& lines) { lines.add("three"); }}));
        w.run.wait();
        QCOMPARE(w.list.text(), std::string("one\r\ntwo\r\nthree\r\n"));
    }

    void failureOnTheWorkerReachesTheErrorBoxInTheTransactionsForm_data() {
        QTest::addColumn<bool>("standard");
        QTest::addColumn<std::string>("after");
        QTest::newRow("standard hands back what it got through")
            << true << std::string("a\r\nb\r\nhalf\r\n");
        QTest::newRow("success-only keeps the list") << false << std::string("a\r\nb\r\n");
    }
    void failureOnTheWorkerReachesTheErrorBoxInTheTransactionsForm() {
        QFETCH(bool, standard);
        QFETCH(std::string, after);
        Window w("a\r\nb\r\n");
        bool failedFirst = false;
        QVERIFY(w.run.start(
            {.form = standard ? TransactionForm::Standard : TransactionForm::SuccessOnly,
             .edit =
                 [](LineList& lines) {
                     lines.add("half");
                     throw Failure("Broken on the way");
                 },
             .done = [] { QFAIL("done after a failure"); },
             .failed = [&] { failedFirst = w.fixture.dialogs.errors.isEmpty(); }}));
        w.run.wait();
        QCOMPARE(w.fixture.dialogs.errors, QStringList(QStringLiteral("Broken on the way.")));
        QVERIFY(failedFirst);
        QCOMPARE(w.list.text(), after);
        QCOMPARE(w.list.history().steps(), standard ? std::size_t{2} : std::size_t{1});
    }

    void sortOfALongListComesBackSortedAndUndoable() {
        // Past the size a job runs on the window's thread, with the run as the window sets it.
        std::string text;
        for (int i = 200000; i > 0; --i) text += "line " + std::to_string(i) + "\r\n";
        WindowFixture f;
        TPDFrm& window = f.make();
        window.mainList().setText(text);
        window.findChild<QAbstractButton*>(QStringLiteral("Sort"))->click();
        QVERIFY(window.listBuilderPage().bulkRun().running());
        window.listBuilderPage().bulkRun().wait();
        LineList expected(SplitListText(text));
        expected.sort();
        QCOMPARE(window.mainList().lines(), expected);
        QCOMPARE(f.dialogs.errors, QStringList());
        // The sorted text came as a document of its own, which keeps the list's settings.
        QsciScintilla& editor = window.mainList().editor();
        QCOMPARE(editor.SendScintilla(QsciScintillaBase::SCI_GETUNDOCOLLECTION), 0L);
        QCOMPARE(editor.eolMode(), QsciScintilla::EolWindows);
        QVERIFY(editor.isUtf8());
        QVERIFY(!editor.isReadOnly());
        // Undone and redone as the window does it, the step packed and handed over on the worker.
        MainListActions& actions = window.listBuilderPage().mainListActions();
        actions.undo();
        window.listBuilderPage().bulkRun().wait();
        QCOMPARE(window.mainList().text(), text);
        QCOMPARE(window.workList().count(), 200000);
        // Redone at once: most often from the text the step holds while its inserted bytes
        // are packed, or from those bytes when they came first.
        actions.redo();
        window.listBuilderPage().bulkRun().wait();
        QCOMPARE(window.mainList().lines(), expected);
        // Once they are packed, the step holds only them, and redo makes the text from them.
        actions.undo();
        window.listBuilderPage().bulkRun().wait();
        const UndoHistory& history = window.mainList().history();
        QTRY_VERIFY(history.nextRedo()->ledTo == nullptr);
        QVERIFY(history.nextRedo()->delta.holdsInserted());
        QVERIFY(history.bytes() < text.size());
        actions.redo();
        window.listBuilderPage().bulkRun().wait();
        QCOMPARE(window.mainList().lines(), expected);
    }

    void linesCountedInPiecesAreTheWholeTextsLines() {
        // A CR LF split between two pieces is one break; a lone CR or LF is none.
        for (const std::string text : {"", "a", "a\r\n", "a\r\nb", "\r\n\r\n", "a\rb\n\r\nc\r"}) {
            for (std::size_t cut = 0; cut <= text.size(); ++cut) {
                for (std::size_t second = cut; second <= text.size(); ++second) {
                    ListLineCounter counter;
                    counter.add(std::string_view(text).substr(0, cut));
                    counter.add(std::string_view(text).substr(cut, second - cut));
                    counter.add(std::string_view(text).substr(second));
                    QCOMPARE(counter.lines(), CountListLines(text));
                }
            }
        }
    }

    void pasteCopyAndClearWorkOnTheWorkerAsOneStepEach() {
        Window w("a\r\nb\r\n");
        const auto press = [&](const char* name) {
            w.window.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
            QVERIFY(w.run.running());
            w.run.wait();
        };
        w.fixture.dialogs.clipboard = std::string("p\nq\0r", 5);
        press("Button5");
        QCOMPARE(w.list.text(), std::string("p\r\nq\0r", 6));
        w.fixture.dialogs.clipboard.clear();
        press("Button4");
        QCOMPARE(w.fixture.dialogs.clipboard, std::string("p\r\nq\0r", 6));
        press("RemAll");
        QCOMPARE(w.list.text(), std::string());
        QCOMPARE(w.fixture.dialogs.errors, QStringList());
        // Neither touched the work list; each change undoes on its own.
        QCOMPARE(w.window.workList().count(), 2);
        w.list.undo();
        QCOMPARE(w.list.text(), std::string("p\r\nq\0r", 6));
        w.list.undo();
        QCOMPARE(w.list.text(), std::string("a\r\nb\r\n"));
    }

    void longListLoadsAndSavesOnTheWorkerByteForByte() {
        // Past the size the editor takes edit by edit, in the file's own form.
        QByteArray bytes;
        for (int i = 0; i < 150000; ++i) bytes += "entry " + QByteArray::number(i) + "\n";
        Window w("");
        const QString in = w.fixture.path(QStringLiteral("in.txt"));
        const QString out = w.fixture.path(QStringLiteral("out.txt"));
        pendara::testing::Spit(in, bytes);
        QVERIFY(w.window.listBuilderPage().loadListFile(in));
        w.run.wait();
        QCOMPARE(w.list.count(), 150000);
        QVERIFY(!w.list.isModified());
        QCOMPARE(w.list.editor().SendScintilla(QsciScintillaBase::SCI_GETUNDOCOLLECTION), 0L);

        w.fixture.dialogs.saveAnswers.push_back(out);
        QVERIFY(w.window.listBuilderPage().saveListAs());
        QFile saved(out);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), bytes);
        QVERIFY(!w.list.isModified());
        QCOMPARE(w.fixture.dialogs.errors, QStringList());
    }
};

QTEST_MAIN(BulkRunTest)
#include "bulk_run_test.moc"
