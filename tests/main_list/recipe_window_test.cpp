#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <fstream>
#include <limits>

#include "app/window_fixture.h"
#include "batch/list_builder_page.h"
#include "cli/cli_runner.h"
#include "compare/comparer_page.h"
#include "main_list/command_dialog.h"
#include "main_list/main_list.h"
#include "main_list/recipe_window.h"
#include "main_list/scintilla.h"
#include "merge/merger_page.h"

using namespace pendara;
using pendara::testing::CaseTrace;
using pendara::testing::Child;
using pendara::testing::RunCli;
using pendara::testing::Spit;
using pendara::testing::WindowFixture;

namespace {

const char kList[] =
    "  pear \n\nb10\napple spam\nB2\n  \nb10 \nCherry;3;x\nbanana;12;y\n\xC3\xA9"
    "clair;1;z\n";

void Trigger(TPDFrm& window, const char* name) { Child<QAction>(window, name)->trigger(); }

std::string Slurp(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The Main List after loading `list` and running `recipe` through Run Recipe...
std::string RunInWindow(WindowFixture& f, TPDFrm& window, const QString& list,
                        const QString& recipe) {
    window.loadList(list);
    f.dialogs.openAnswers.push_back(recipe);
    Trigger(window, "actRunRecipe");
    return window.mainList().text();
}

CommandDialog& OpenCommands(TPDFrm& window, const char* action = "actCommands") {
    Trigger(window, action);
    auto* dialog = window.findChild<CommandDialog*>(QStringLiteral("CommandDialog"));
    Q_ASSERT(dialog != nullptr);
    return *dialog;
}

bool WaitForPreview(CommandDialog& dialog) {
    return QTest::qWaitFor([&] { return dialog.shownGeneration() == dialog.generation(); }, 5000);
}

}  // namespace

class RecipeWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Run Recipe... in the window and pendara-cli run give the same bytes, the new commands
    // included; a failing step names its line and leaves the list alone.
    void windowAndCliGiveTheSameBytes() {
        WindowFixture f;
        TPDFrm& window = f.make();
        const QString list = f.path(QStringLiteral("list.txt"));
        Spit(list, kList);
        Spit(f.path(QStringLiteral("other.txt")), "kiwi\napple spam\n");
        const char* const recipes[] = {
            "trim\nremove-empty\nfilter --exclude spam\ndedupe\nsort --natural\n",
            "# keys\nsort -t ';' -k 2:n\r\ndedupe --trim\n",
            "match -I 'b[0-9]+'\nreplace --regex '([a-z])([0-9]+)' '\\2\\1'\n",
            "extract '[0-9]+'\njoin --separator , --every 2\nsplit --separator 1 --drop-empty\n",
            "fields 2 -t ';'\ncase upper\nnumber --start 5\n",
            "merge other.txt\ntally\nreverse\n",
            "scramble --seed 42\nremove-empty --ignore-space\n",
        };
        for (const char* text : recipes) {
            const CaseTrace trace(QString::fromUtf8(text));
            const QString recipe = f.path(QStringLiteral("step.pendara-recipe"));
            Spit(recipe, text);
            window.loadList(list);
            const std::string loaded = window.mainList().text();
            const std::string shown = RunInWindow(f, window, list, recipe);
            QCOMPARE(f.dialogs.errors, QStringList());
            const auto cli = RunCli({"run", "--crlf", recipe.toStdString(), list.toStdString()});
            QCOMPARE(cli.status, 0);
            QCOMPARE(shown, cli.out);
            // One undo step takes the whole recipe back.
            QVERIFY(window.mainList().canUndo());
            Trigger(window, "actUndo");
            QCOMPARE(window.mainList().text(), loaded);
        }

        const QString bad = f.path(QStringLiteral("bad.pendara-recipe"));
        Spit(bad, "trim\n\nsort --x\n");
        window.loadList(list);
        const std::string before = window.mainList().text();
        f.dialogs.openAnswers.push_back(bad);
        Trigger(window, "actRunRecipe");
        QCOMPARE(window.mainList().text(), before);
        QCOMPARE(f.dialogs.errors.size(), 1);
        QVERIFY(f.dialogs.errors[0].startsWith(QStringLiteral("bad.pendara-recipe:3: ")));
    }

    // Five clicks, saved as a recipe, replay to the same text in the window and from a shell;
    // an undone step is not part of the recipe, and typing makes the dialog say so.
    void stepsSavedAfterFiveClicksReplayToTheSameText() {
        WindowFixture f;
        TPDFrm& window = f.make();
        const QString list = f.path(QStringLiteral("list.txt"));
        Spit(list, kList);
        window.loadList(list);
        Child<QAbstractButton>(window, "btnTrim")->click();
        Child<QAbstractButton>(window, "RemELine")->click();
        Child<QLineEdit>(window, "ExcText")->setText(QStringLiteral("spam"));
        Child<QAbstractButton>(window, "BtnFilter")->click();
        Trigger(window, "actReverse");
        Trigger(window, "actUndo");
        Trigger(window, "actDedupe");
        Trigger(window, "actNaturalSort");
        const std::string made = window.mainList().text();
        QCOMPARE(window.mainList().recording().steps.size(), std::size_t{5});
        QVERIFY(window.mainList().recording().complete);

        const QString recipe = f.path(QStringLiteral("clean.pendara-recipe"));
        f.dialogs.saveAnswers.push_back(recipe);
        bool noted = true;
        f.dialogs.onModal = [&](QDialog& dialog) {
            noted = Child<QLabel>(dialog, "recipeNote")->isVisible();
            dialog.accept();
        };
        Trigger(window, "actSaveRecipe");
        QCOMPARE(f.dialogs.errors, QStringList());
        QVERIFY(!noted);
        QVERIFY(!Slurp(recipe).empty());

        QCOMPARE(RunInWindow(f, window, list, recipe), made);
        QCOMPARE(RunCli({"run", "--crlf", recipe.toStdString(), list.toStdString()}).out, made);

        // Typing is no step of a recipe: the dialog says the steps do not explain the list.
        window.mainList().editor().append(QStringLiteral("typed"));
        QVERIFY(!window.mainList().recording().complete);
        f.dialogs.onModal = [&](QDialog& dialog) {
            noted = Child<QLabel>(dialog, "recipeNote")->isVisibleTo(&dialog);
            dialog.reject();
        };
        Trigger(window, "actSaveRecipe");
        QVERIFY(noted);
    }

    // MERGE and the comparer's exports are steps of the recipe where they have a command line:
    // the saved steps replay to the same text in the window and from a shell. An export of a
    // comparison whose Main List changed since, or that read the Main List as its second side,
    // has none, and the steps then do not explain the list.
    void mergeAndComparerExportsAreRecorded() {
        WindowFixture f;
        TPDFrm& window = f.make();
        const QString list = f.path(QStringLiteral("list.txt"));
        Spit(list, kList);
        Spit(f.path(QStringLiteral("left.txt")), "b10\nkiwi\nB2\n\xC3\xA9t\xC3\xA9\n");
        Spit(f.path(QStringLiteral("right.txt")), "x\r\ny\r\n");
        Spit(f.path(QStringLiteral("other.txt")), "KIWI | Y\nfig\nb10;x\n");
        window.loadList(list);
        const auto box = [&](QWidget& page, const char* name, const char* file) {
            Child<QLineEdit>(page, name)->setText(f.path(QString::fromUtf8(file)));
        };
        const auto click = [&](QWidget& page, const char* name) {
            Child<QAbstractButton>(page, name)->click();
        };
        QWidget& merger = window.mergerPage();
        box(merger, "txtLeftUp", "left.txt");
        box(merger, "txtRightDown", "right.txt");
        Child<QLineEdit>(merger, "txtSeparator")->setText(QStringLiteral(" | "));
        click(merger, "Button11");
        QWidget& comparer = window.comparerPage();
        click(comparer, "RadioButton3");
        click(comparer, "RadioButton4");
        box(comparer, "txtSecond", "other.txt");
        click(comparer, "Button7");
        click(comparer, "btnFirst");
        click(comparer, "RadioButton1");
        box(comparer, "txtFirst", "left.txt");
        click(comparer, "Button7");
        click(comparer, "btnDif");
        Trigger(window, "actNaturalSort");
        const std::string made = window.mainList().text();
        QCOMPARE(f.dialogs.errors, QStringList());
        const MainList::Recording recording = window.mainList().recording();
        QCOMPARE(recording.steps.size(), std::size_t{4});
        QVERIFY(recording.complete);
        QVERIFY(recording.steps[0].starts_with("merge --separator ' | ' /"));

        const QString recipe = f.path(QStringLiteral("files.pendara-recipe"));
        f.dialogs.saveAnswers.push_back(recipe);
        f.dialogs.onModal = [&](QDialog& dialog) { dialog.accept(); };
        Trigger(window, "actSaveRecipe");
        QCOMPARE(RunInWindow(f, window, list, recipe), made);
        QCOMPARE(RunCli({"run", "--crlf", recipe.toStdString(), list.toStdString()}).out, made);

        // Compared with the Main List as it was, exported after it changed; then the Main List
        // as the second side.
        window.loadList(list);
        click(comparer, "RadioButton3");
        click(comparer, "Button7");
        Trigger(window, "actReverse");
        click(comparer, "btnSame");
        QVERIFY(!window.mainList().recording().complete);
        window.loadList(list);
        click(comparer, "RadioButton1");
        click(comparer, "RadioButton6");
        click(comparer, "Button7");
        click(comparer, "btnFirst");
        QCOMPARE(f.dialogs.errors, QStringList());
        QVERIFY(!window.mainList().recording().complete);
    }

    // Each option of each command has a control of its kind, number boxes with the option's
    // range.
    void dialogControlsMatchEveryCatalogueEntry() {
        WindowFixture f;
        TPDFrm& window = f.make();
        CommandDialog& dialog = OpenCommands(window);
        for (const CommandEntry& entry : Catalogue()) {
            const CaseTrace trace(QString::fromStdString(entry.name));
            dialog.choose(entry.name);
            QCOMPARE(dialog.chosen(), &entry);
            for (const OptionSpec& option : entry.options) {
                const CaseTrace optionTrace(QString::fromStdString(option.name));
                auto* control = dialog.findChild<QWidget*>(QString::fromStdString(option.name));
                QVERIFY(control != nullptr);
                if (option.kind == ValueKind::Flag) {
                    QVERIFY(qobject_cast<QCheckBox*>(control) != nullptr);
                } else if (option.repeats) {
                    QVERIFY(qobject_cast<QPlainTextEdit*>(control) != nullptr);
                } else if (option.kind == ValueKind::Choice) {
                    auto* box = qobject_cast<QComboBox*>(control);
                    QVERIFY(box != nullptr);
                    QVERIFY(box->findText(QString::fromStdString(option.choices.front())) >= 0);
                } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
                    QCOMPARE(std::int64_t{spin->minimum()}, option.range.minimum);
                    QCOMPARE(std::int64_t{spin->maximum()}, option.range.maximum);
                    QCOMPARE(std::int64_t{spin->value()},
                             std::int64_t{std::stoll(option.byDefault)});
                } else {
                    QVERIFY(qobject_cast<QLineEdit*>(control) != nullptr);
                }
            }
        }
    }

    // The preview counts what the command would do, a bad pattern disables Apply with its
    // message, a stale preview is dropped, and Apply is one undo step that the dialog
    // remembers.
    void previewCountsStaleResultsAndApply() {
        WindowFixture f;
        TPDFrm& window = f.make();
        window.mainList().setText("b\na\nb\nc\n");
        CommandDialog& dialog = OpenCommands(window);
        dialog.choose("dedupe");
        QVERIFY(WaitForPreview(dialog));
        auto* status = dialog.findChild<QLabel*>(QStringLiteral("previewStatus"));
        auto* apply = dialog.findChild<QPushButton*>(QStringLiteral("applyCommand"));
        QVERIFY(status->text().startsWith(QStringLiteral("4 lines before, 3 after, 1 changed")));
        QVERIFY(apply->isEnabled());

        dialog.choose("replace");
        dialog.findChild<QLineEdit*>(QStringLiteral("argument0"))->setText(QStringLiteral("("));
        dialog.findChild<QCheckBox*>(QStringLiteral("--regex"))->setChecked(true);
        QVERIFY(WaitForPreview(dialog));
        QVERIFY(!apply->isEnabled());
        QVERIFY(!status->text().contains(QStringLiteral("lines before")));

        // A slow preview asked for first must not land over the quick one asked for after it.
        std::vector<std::string> many;
        for (int i = 0; i < 300000; ++i) many.push_back(std::to_string(i * 7919LL % 300007));
        LineList big(many);
        window.mainList().assign(big);
        dialog.refresh();
        dialog.choose("sort");
        QTest::qWait(200);  // the sort's preview is on its way
        dialog.choose("count");
        QVERIFY(WaitForPreview(dialog));
        QTest::qWait(1500);  // the sort's result arrives, late
        QVERIFY(status->text().startsWith(QStringLiteral("300000 lines before, 1 after")));

        window.mainList().setText("b\na\nb\n");
        dialog.refresh();
        dialog.choose("dedupe");
        dialog.findChild<QComboBox*>(QStringLiteral("--keep"))
            ->setCurrentText(QStringLiteral("last"));
        QVERIFY(WaitForPreview(dialog));
        const std::size_t steps = window.mainList().history().steps();
        apply->click();
        QCOMPARE(window.mainList().text(), std::string("a\r\nb\r\n"));
        QCOMPARE(window.mainList().history().steps(), steps + 1);
        const std::vector<std::string> recorded = window.mainList().recording().steps;
        QVERIFY(!recorded.empty());
        QCOMPARE(recorded.back(), std::string("dedupe --keep last"));
        Trigger(window, "actUndo");
        QCOMPARE(window.mainList().text(), std::string("b\r\na\r\nb\r\n"));

        // Sort by Key... opens the dialog on sort; dedupe keeps the options it was applied with.
        dialog.close();
        QTest::qWait(0);
        CommandDialog& again = OpenCommands(window, "actSortByKey");
        QCOMPARE(again.chosen()->name, std::string("sort"));
        again.choose("dedupe");
        QCOMPARE(again.findChild<QComboBox*>(QStringLiteral("--keep"))->currentText(),
                 QStringLiteral("last"));
    }
};

QTEST_MAIN(RecipeWindowTest)
#include "recipe_window_test.moc"
