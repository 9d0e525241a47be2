#include <sys/resource.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <functional>

#include "app/window_fixture.h"
#include "batch/batch_panel.h"
#include "batch/list_builder_page.h"
#include "commands/apply.h"
#include "main_list/bulk_run.h"
#include "main_list/main_list.h"
#include "sanitizer.h"
#include "window/number_box.h"

using namespace pendara;
using pendara::testing::CaseTrace;
using pendara::testing::WindowFixture;

namespace {

// A window whose Main List holds `text`, with typed access to the batch panel's controls.
struct Panel {
    WindowFixture fixture;
    TPDFrm& window = fixture.make();

    explicit Panel(const std::string& text) { window.mainList().setText(text); }

    template <typename T = QWidget>
    T* get(const char* name) {
        return pendara::testing::Child<T>(window, name);
    }
    void type(const char* box, const QString& text) { get<QLineEdit>(box)->setText(text); }
    void number(const char* box, const QString& text) { get<NumberBox>(box)->setText(text); }
    void tick(const char* name, bool on = true) { get<QAbstractButton>(name)->setChecked(on); }
    // A long list is edited off the window's thread: the press returns before the result.
    void press(const char* button) {
        get<QAbstractButton>(button)->click();
        window.listBuilderPage().bulkRun().wait();
    }
    std::string text() { return window.mainList().text(); }
    QString numberText(const char* box) { return get<NumberBox>(box)->text(); }
};

}  // namespace

class BatchPanelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addReadsItsControls() {
        Panel p("abcdef\r\nkey=value");
        p.type("MAdd", QStringLiteral("-"));
        p.number("AAI", QStringLiteral("3"));
        p.tick("CBackA");
        p.press("BtnAdd");
        QCOMPARE(p.text(), std::string("abcd-ef\r\nkey=val-ue\r\n"));

        p.tick("AR2");
        p.tick("CBackA", false);
        p.type("TxtAddPos", QStringLiteral("="));
        p.type("MAdd", QStringLiteral("\u00E4"));
        p.press("BtnAdd");
        QCOMPARE(p.text(), std::string("abcd-ef\r\nkey=\xC3\xA4val-ue\r\n"));
        QCOMPARE(p.fixture.dialogs.errors, QStringList());
    }

    void removeWithDefaultsDropsTheFirstCharacter() {
        Panel p("abc\r\n\r\nxyz\r\n");
        p.press("BtnRemove");
        QCOMPARE(p.text(), std::string("bc\r\n\r\nyz\r\n"));

        p.tick("R2");
        // Each set of radio buttons is a choice of its own: the ones in the panels stay.
        QVERIFY(!p.get<QAbstractButton>("R1")->isChecked());
        QVERIFY(p.get<QAbstractButton>("AR1")->isChecked());
        QVERIFY(p.get<QAbstractButton>("RLO4")->isChecked());
        p.tick("CBackR");
        p.type("TxtPos", QStringLiteral("z"));
        p.number("MRem", QStringLiteral("5"));
        p.press("BtnRemove");
        QCOMPARE(p.text(), std::string("bc\r\n\r\nz\r\n"));
    }

    void replaceEveryOccurrence() {
        Panel p("a-b-c\r\nCat cat");
        p.type("MRep", QStringLiteral("-"));
        p.type("RWith", QStringLiteral("+"));
        p.press("BtnRep");
        QCOMPARE(p.text(), std::string("a+b+c\r\nCat cat\r\n"));
        p.type("MRep", QStringLiteral("cat"));
        p.type("RWith", QString());
        p.press("BtnRep");
        QCOMPARE(p.text(), std::string("a+b+c\r\nCat \r\n"));
    }

    void failingReplaceLeavesTheMainListAsItWas() {
        if (pendara::testing::kAddressSanitizer) {
            QSKIP("caps the address space, which the address sanitizer's shadow memory exceeds");
        }
        // The first line is replaced, then the second runs out of address space. Handing back
        // what the edit got through would show "b" and a final line break.
        const std::string before = "a\r\n" + std::string(2 << 20, 'a');
        Panel p(before);
        p.type("MRep", QStringLiteral("a"));
        p.type("RWith", QString(4096, QLatin1Char('b')));
        rlimit old{};
        getrlimit(RLIMIT_AS, &old);
        rlimit tight = old;
        tight.rlim_cur = static_cast<rlim_t>(CurrentAddressSpace() + (256u << 20));
        QVERIFY(setrlimit(RLIMIT_AS, &tight) == 0);
        p.press("BtnRep");
        setrlimit(RLIMIT_AS, &old);
        QCOMPARE(p.fixture.dialogs.errors, QStringList(QStringLiteral("Out of memory.")));
        QCOMPARE(p.text(), before);
        QCOMPARE(p.window.mainList().updateDepth(), 0);
    }

    void filterUsesTheToggleStates() {
        const std::string fruit = "red apple\r\ngreen apple\r\nred car\r\n\r\n";
        Panel p(fruit);
        p.type("IncText", QStringLiteral("red apple"));
        p.press("BtnFilter");  // IncMethod starts down: And
        QCOMPARE(p.text(), std::string("red apple\r\n"));

        p.window.mainList().setText(fruit);
        p.press("IncMethod");  // now Or
        p.type("ExcText", QStringLiteral("CAR"));
        p.press("BtnFilter");
        QCOMPARE(p.text(), std::string("red apple\r\ngreen apple\r\n"));

        p.window.mainList().setText(fruit);
        p.press("MCase");  // CAR no longer matches car
        p.press("BtnFilter");
        QCOMPARE(p.text(), std::string("red apple\r\ngreen apple\r\nred car\r\n"));
    }

    void toggleCaptionsFollowTheirState() {
        Panel p("");
        auto* inc = p.get<QToolButton>("IncMethod");
        auto* exc = p.get<QToolButton>("ExcMethod");
        auto* mc = p.get<QToolButton>("MCase");
        QCOMPARE(inc->isChecked(), true);
        QCOMPARE(inc->text(), QStringLiteral("A"));
        QCOMPARE(exc->isChecked(), false);
        QCOMPARE(exc->text(), QStringLiteral("O"));
        p.press("IncMethod");
        QCOMPARE(inc->isChecked(), false);
        QCOMPARE(inc->text(), QStringLiteral("O"));
        p.press("IncMethod");
        QCOMPARE(inc->isChecked(), true);
        QCOMPARE(inc->text(), QStringLiteral("A"));
        p.press("ExcMethod");
        QCOMPARE(exc->isChecked(), true);
        QCOMPARE(exc->text(), QStringLiteral("A"));
        p.press("MCase");
        QCOMPARE(mc->isChecked(), true);
        QCOMPARE(mc->text(), QStringLiteral("MC"));
        QCOMPARE(inc->isChecked(), true);  // each toggles by itself
        QCOMPARE(inc->toolTip(), QStringLiteral("Include Type (\"And\" or \"Or\")"));
    }

    void emptyLinesAndTrim() {
        Panel p("a\r\n\r\n  \r\n\tb \r\n");
        p.press("RemELine");
        QCOMPARE(p.text(), std::string("a\r\n  \r\n\tb \r\n"));
        p.tick("LeftTrim", false);
        p.press("btnTrim");
        QCOMPARE(p.text(), std::string("a\r\n\r\n\tb\r\n"));
        p.tick("IgnSpace");
        p.tick("LeftTrim");
        p.press("RemELine");
        p.press("btnTrim");
        QCOMPARE(p.text(), std::string("a\r\nb\r\n"));
    }

    void removeByLengthOrdersTheRangeBoxes() {
        Panel p("a\r\nabc\r\nabcde");
        p.number("RLB1", QStringLiteral("4"));
        p.number("RLB2", QStringLiteral("2"));
        p.press("Button14");  // From is selected at start
        QCOMPARE(p.numberText("RLB1"), QStringLiteral("2"));
        QCOMPARE(p.numberText("RLB2"), QStringLiteral("4"));
        QCOMPARE(p.text(), std::string("a\r\nabcde\r\n"));

        p.tick("RLO1");
        p.number("RL1", QStringLiteral("1"));
        p.number("RLB1", QStringLiteral("9"));
        p.number("RLB2", QStringLiteral("2"));
        p.press("Button14");
        QCOMPARE(p.text(), std::string("abcde\r\n"));
        QCOMPARE(p.numberText("RLB1"), QStringLiteral("2"));
        QCOMPARE(p.numberText("RLB2"), QStringLiteral("9"));

        // On an empty list nothing happens, the boxes included.
        p.window.mainList().clear();
        p.number("RLB1", QStringLiteral("9"));
        p.press("Button14");
        QCOMPARE(p.numberText("RLB1"), QStringLiteral("9"));
        QCOMPARE(p.numberText("RLB2"), QStringLiteral("9"));
        QCOMPARE(p.text(), std::string());
    }

    void pressedButtonBringsTheEditedBoxIntoRange() {
        Panel p("abc\r\n");
        p.window.show();
        p.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        p.type("MAdd", QStringLiteral("-"));
        auto* index = p.get<NumberBox>("AAI");
        index->setFocus();
        index->setText(QStringLiteral("0"));
        p.press("BtnAdd");
        QCOMPARE(index->text(), QStringLiteral("1"));
        QCOMPARE(p.text(), std::string("-abc\r\n"));

        index->setFocus();
        index->setText(QStringLiteral("20000000"));
        p.press("BtnAdd");
        QCOMPARE(index->text(), QStringLiteral("10000000"));
        QCOMPARE(p.text(), std::string("-abc-\r\n"));

        // Text that is no number stays and reads as the minimum; so does a negative count.
        p.tick("CBackA");
        index->setFocus();
        index->setText(QStringLiteral("x1"));
        p.press("BtnAdd");
        QCOMPARE(index->text(), QStringLiteral("x1"));
        QCOMPARE(p.text(), std::string("-abc--\r\n"));
        p.get<NumberBox>("MRem")->setFocus();
        p.number("MRem", QStringLiteral("-7"));
        p.press("BtnRemove");
        QCOMPARE(p.numberText("MRem"), QStringLiteral("1"));
        QCOMPARE(p.text(), std::string("abc--\r\n"));
    }

    void rangesAndDefaults() {
        Panel p("");
        const struct {
            const char* name;
            std::int32_t minimum;
        } boxes[] = {{"AAI", 1}, {"MRem", 1}, {"RAI", 1},  {"RL1", 0},
                     {"RL2", 1}, {"RL3", 0},  {"RLB1", 0}, {"RLB2", 0}};
        for (const auto& box : boxes) {
            const CaseTrace trace(QString::fromLatin1(box.name));
            NumberBox* number = p.get<NumberBox>(box.name);
            QCOMPARE(number->text(), QStringLiteral("1"));
            QCOMPARE(number->range().minimum, box.minimum);
            QCOMPARE(number->range().maximum, 10000000);
        }
        for (const char* on : {"AR1", "R1", "RLO4", "LeftTrim", "RightTrim"}) {
            QVERIFY2(p.get<QAbstractButton>(on)->isChecked(), on);
        }
        for (const char* off :
             {"AR2", "R2", "RLO1", "RLO2", "RLO3", "CBackA", "CBackR", "IgnSpace"}) {
            QVERIFY2(!p.get<QAbstractButton>(off)->isChecked(), off);
        }
    }

    void tabOrderRunsTopToBottom() {
        Panel p("");
        const QStringList expected =
            QStringLiteral(
                "BtnAdd MAdd AR1 AAI AR2 TxtAddPos CBackA BtnRemove MRem R1 RAI R2 TxtPos CBackR "
                "RemELine IgnSpace btnTrim LeftTrim RightTrim BtnRep MRep RWith Button14 RLO1 RL1 "
                "RLO2 RL2 RLO3 RL3 RLO4 RLB1 RLB2 IncText ExcText BtnFilter")
                .split(QLatin1Char(' '));
        QStringList order;
        QWidget* first = p.get("BtnAdd");
        QWidget* w = first;
        do {
            // A number box's inner line edit is its focus proxy: name the box itself.
            QWidget* named = qobject_cast<NumberBox*>(w->parentWidget()) ? w->parentWidget() : w;
            if ((w->focusPolicy() & Qt::TabFocus) && !named->objectName().isEmpty() &&
                (order.isEmpty() || order.back() != named->objectName())) {
                order << named->objectName();
            }
            w = w->nextInFocusChain();
        } while (w != first && order.size() < expected.size());
        QCOMPARE(order, expected);
    }

    void enterInAnOperationsTextBoxPressesItsButton() {
        const struct {
            const char* box;
            const char* result;
        } cases[] = {{"MAdd", "#a\r\n"}, {"TxtAddPos", "#a\r\n"}, {"TxtPos", "\r\n"},
                     {"MRep", "\r\n"},   {"RWith", "\r\n"},       {"IncText", ""},
                     {"ExcText", ""}};
        for (const auto& c : cases) {
            const CaseTrace trace(QString::fromLatin1(c.box));
            Panel p("a\r\n");
            p.type("MAdd", QStringLiteral("#"));
            p.type("MRep", QStringLiteral("a"));
            p.type("IncText", QStringLiteral("z"));
            QTest::keyClick(p.get(c.box), Qt::Key_Return);
            QCOMPARE(p.text(), std::string(c.result));
        }
    }

    void everyButtonGivesWhatItsInvocationGives() {
        // Each press and the invocation its controls map to, on the same list.
        using Set = std::function<void(Panel&)>;
        const std::tuple<const char*, BatchButton, Set> presses[] = {
            {"BtnAdd", BatchButton::Add, [](Panel& p) { p.type("MAdd", QStringLiteral("#")); }},
            {"BtnAdd", BatchButton::Add,
             [](Panel& p) {
                 p.type("MAdd", QStringLiteral("-x 'y"));
                 p.number("AAI", QStringLiteral("3"));
                 p.tick("CBackA");
             }},
            {"BtnAdd", BatchButton::Add,
             [](Panel& p) {
                 p.type("MAdd", QStringLiteral("\u00E4"));
                 p.tick("AR2");
                 p.type("TxtAddPos", QStringLiteral("="));
             }},
            {"BtnRemove", BatchButton::Remove, [](Panel&) {}},
            {"BtnRemove", BatchButton::Remove,
             [](Panel& p) {
                 p.number("MRem", QStringLiteral("2"));
                 p.number("RAI", QStringLiteral("2"));
                 p.tick("CBackR");
             }},
            {"BtnRemove", BatchButton::Remove,
             [](Panel& p) {
                 p.number("MRem", QStringLiteral("3"));
                 p.tick("R2");
                 p.type("TxtPos", QStringLiteral("="));
             }},
            {"BtnRep", BatchButton::Replace,
             [](Panel& p) {
                 p.type("MRep", QStringLiteral("a"));
                 p.type("RWith", QStringLiteral("\"q\\"));
             }},
            {"BtnRep", BatchButton::Replace, [](Panel& p) { p.type("MRep", QStringLiteral("=")); }},
            {"BtnFilter", BatchButton::Filter,
             [](Panel& p) { p.type("IncText", QStringLiteral("abc key")); }},
            {"BtnFilter", BatchButton::Filter,
             [](Panel& p) {
                 p.type("IncText", QStringLiteral("abc key"));
                 p.tick("IncMethod", false);
                 p.type("ExcText", QStringLiteral("x DEF"));
                 p.tick("ExcMethod");
             }},
            {"BtnFilter", BatchButton::Filter,
             [](Panel& p) {
                 p.type("ExcText", QStringLiteral("value x"));
                 p.tick("MCase");
             }},
            {"RemELine", BatchButton::RemoveEmpty, [](Panel&) {}},
            {"RemELine", BatchButton::RemoveEmpty, [](Panel& p) { p.tick("IgnSpace"); }},
            {"btnTrim", BatchButton::Trim, [](Panel&) {}},
            {"btnTrim", BatchButton::Trim, [](Panel& p) { p.tick("LeftTrim", false); }},
            {"btnTrim", BatchButton::Trim, [](Panel& p) { p.tick("RightTrim", false); }},
            {"btnTrim", BatchButton::Trim,
             [](Panel& p) {
                 p.tick("LeftTrim", false);
                 p.tick("RightTrim", false);
             }},
            {"Button14", BatchButton::RemoveLength,
             [](Panel& p) {
                 p.tick("RLO1");
                 p.number("RL1", QStringLiteral("0"));
             }},
            {"Button14", BatchButton::RemoveLength,
             [](Panel& p) {
                 p.tick("RLO2");
                 p.number("RL2", QStringLiteral("4"));
             }},
            {"Button14", BatchButton::RemoveLength,
             [](Panel& p) {
                 p.tick("RLO3");
                 p.number("RL3", QStringLiteral("5"));
             }},
            {"Button14", BatchButton::RemoveLength,
             [](Panel& p) {
                 p.number("RLB1", QStringLiteral("9"));
                 p.number("RLB2", QStringLiteral("1"));
             }},
        };
        const std::string start = "  abc=def \r\n\r\nkey=Value\r\n \t \r\nx\r\nabcdef\r\n";
        int index = 0;
        for (const auto& [button, which, set] : presses) {
            CaseTrace trace(QString::fromLatin1(button) + QString::number(index++));
            Panel p(start);
            set(p);
            const std::optional<Invocation> invocation =
                BatchInvocation(p.window.findChild<BatchPanel*>()->controls(), which);
            p.press(button);
            const std::vector<std::string> pressed = SplitLines(p.text());
            if (!invocation) {
                QCOMPARE(pressed, SplitLines(start));
                continue;
            }
            // What a recipe or the history would hold reads back as the same invocation.
            const std::string written = WriteInvocation(*invocation);
            QCOMPARE(ReadInvocation(written), *invocation);
            LineList applied;
            applied.setText(start);
            ApplyInvocation(*invocation, applied);
            QCOMPARE(applied.lines(), pressed);
        }
    }

    void wheelOverAnUnfocusedNumberBoxScrollsInsteadOfChangingIt() {
        Panel p("");
        p.window.show();
        p.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        auto* box = p.get<NumberBox>("RL1");
        QCOMPARE(box->focusPolicy(), Qt::StrongFocus);
        QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(box, &wheel);
        QCOMPARE(box->text(), QStringLiteral("1"));
        QVERIFY(!wheel.isAccepted());  // passed on to the panel under it
        box->setFocus();
        QCoreApplication::sendEvent(box, &wheel);
        QCOMPARE(box->text(), QStringLiteral("2"));
    }

private:
    static std::size_t CurrentAddressSpace() {
        QFile status(QStringLiteral("/proc/self/statm"));
        status.open(QIODevice::ReadOnly);
        const QList<QByteArray> fields = status.readAll().split(' ');
        return static_cast<std::size_t>(fields.at(0).toULongLong()) * 4096;
    }
};

QTEST_MAIN(BatchPanelTest)
#include "batch_panel_test.moc"
