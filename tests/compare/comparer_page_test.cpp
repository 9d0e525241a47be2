#include "compare/comparer_page.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/window_fixture.h"
#include "main_list/main_list.h"

using namespace pendara;
using pendara::testing::CaseTrace;
using pendara::testing::Spit;
using pendara::testing::WindowFixture;

namespace {

template <typename T = QWidget>
T* Find(TPDFrm& window, const char* name) {
    return pendara::testing::Child<T>(window.comparerPage(), name);
}

void Click(TPDFrm& window, const char* name) { Find<QAbstractButton>(window, name)->click(); }

// Both sides from the Main List, then COMPARE.
void CompareMainListWithItself(TPDFrm& window) {
    Find<QRadioButton>(window, "RadioButton3")->click();
    Find<QRadioButton>(window, "RadioButton6")->click();
    Click(window, "Button7");
}

using Lines = std::vector<std::string>;

// What a result box shows, as the bytes of its lines.
Lines Shown(TPDFrm& window, const char* box) {
    QAbstractItemModel* model = Find<QListView>(window, box)->model();
    Lines lines;
    for (int row = 0; row < model->rowCount(); ++row) {
        lines.push_back(model->data(model->index(row, 0)).toString().toStdString());
    }
    return lines;
}

struct Results {
    Lines first, second, same, dif;
    bool operator==(const Results&) const = default;
};

Results AllShown(TPDFrm& window) {
    return {Shown(window, "lstFirst"), Shown(window, "lstSecond"), Shown(window, "lstSame"),
            Shown(window, "lstDif")};
}

const Results kNoResults{};

char* toString(const Results& r) {
    QString text;
    for (const Lines* lines : {&r.first, &r.second, &r.same, &r.dif}) {
        text += QLatin1Char('{');
        for (const std::string& line : *lines) {
            text += QString::fromStdString(line) + QLatin1Char(',');
        }
        text += QLatin1Char('}');
    }
    return qstrdup(text.toUtf8().constData());
}

}  // namespace

class ComparerPageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsWithFileSourcesAndTaggedButtons() {
        WindowFixture f;
        TPDFrm& window = f.make();
        QVERIFY(Find<QRadioButton>(window, "RadioButton1")->isChecked());
        QVERIFY(Find<QRadioButton>(window, "RadioButton4")->isChecked());
        QCOMPARE(Find<QRadioButton>(window, "RadioButton3")->text(),
                 QStringLiteral("From \"Main List\""));
        QCOMPARE(Find<QLabel>(window, "Label34")->text().remove(QLatin1Char('&')),
                 QStringLiteral("First List (Only) :"));
        QCOMPARE(Find<QLabel>(window, "Label37")->text().remove(QLatin1Char('&')),
                 QStringLiteral("Different :"));
        QCOMPARE(Find(window, "Button1")->property("tag").toInt(), 2);
        QCOMPARE(Find(window, "Button3")->property("tag").toInt(), 3);
        int tag = 1;
        for (const char* name : {"btnFirst", "btnSecond", "btnSame", "btnDif"}) {
            const CaseTrace trace(QString::fromLatin1(name));
            QCOMPARE(Find(window, name)->property("tag").toInt(), tag++);
        }
        tag = 1;
        for (const char* name : {"clpFirst", "clpSecond", "clpSame", "clpDif"}) {
            const CaseTrace trace(QString::fromLatin1(name));
            QCOMPARE(Find(window, name)->property("tag").toInt(), tag++);
        }
        QCOMPARE(AllShown(window), kNoResults);
    }

    void focusOrderStartsAtTheResultBoxes() {
        WindowFixture f;
        TPDFrm& window = f.make();
        QWidget* page = &window.comparerPage();
        QStringList order;
        for (QWidget* w = page->nextInFocusChain(); page->isAncestorOf(w);
             w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
        }
        QCOMPARE(
            order.join(QLatin1Char(' ')),
            QStringLiteral("lstFirst lstSecond lstSame lstDif Button7 btnFirst btnSecond btnSame "
                           "btnDif clpFirst clpSecond clpSame clpDif RadioButton1 RadioButton2 "
                           "RadioButton3 txtFirst Button1 RadioButton4 RadioButton5 RadioButton6 "
                           "txtSecond Button3"));
    }

    void compareFilesFillsTheFourBoxes() {
        WindowFixture f;
        TPDFrm& window = f.make();
        Spit(f.path(QStringLiteral("1.txt")), "a\r\nb\r\na\r\nc\r\n");
        Spit(f.path(QStringLiteral("2.txt")), "b\nd\rd\nB");
        Find<QLineEdit>(window, "txtFirst")->setText(f.path(QStringLiteral("1.txt")));
        Find<QLineEdit>(window, "txtSecond")->setText(f.path(QStringLiteral("2.txt")));
        Click(window, "Button7");
        const Results expected{{"a", "a", "c"}, {"d"}, {"b"}, {"a", "a", "c", "d"}};
        QCOMPARE(AllShown(window), expected);
        // A second run with the same inputs gives the same boxes, nothing accumulates.
        Click(window, "Button7");
        QCOMPARE(AllShown(window), expected);
        QCOMPARE(f.dialogs.errors, QStringList());
    }

    void aCodePageFileComparesWithItsUtf8Twin() {
        WindowFixture f;
        TPDFrm& window = f.make();
        Spit(f.path(QStringLiteral("1252.txt")), "M\xFCller\r\n\xE9ric\r\n");
        Spit(f.path(QStringLiteral("utf8.txt")), "\xC3\x89ric\nZ\n");
        Find<QLineEdit>(window, "txtFirst")->setText(f.path(QStringLiteral("1252.txt")));
        Find<QLineEdit>(window, "txtSecond")->setText(f.path(QStringLiteral("utf8.txt")));
        Click(window, "Button7");
        const Results expected{{"Müller"}, {"Z"}, {"éric"}, {"Müller", "Z"}};
        QCOMPARE(AllShown(window), expected);
    }

    void clipboardAndMainListSources() {
        WindowFixture f;
        TPDFrm& window = f.make();
        window.mainList().setText("x\r\nY\r\nz\r\n");
        f.dialogs.clipboard = "y\nw\nW";
        Find<QRadioButton>(window, "RadioButton2")->click();
        Find<QRadioButton>(window, "RadioButton6")->click();
        Click(window, "Button7");
        // First only keeps repeats, case variants included.
        QCOMPARE(AllShown(window), (Results{{"w", "W"}, {"x", "z"}, {"y"}, {"w", "W", "x", "z"}}));

        Find<QRadioButton>(window, "RadioButton3")->click();
        Click(window, "Button7");
        QCOMPARE(AllShown(window), (Results{{}, {}, {"x", "Y", "z"}, {}}));

        Find<QRadioButton>(window, "RadioButton2")->click();
        Find<QRadioButton>(window, "RadioButton5")->click();
        Click(window, "Button7");
        QCOMPARE(AllShown(window), (Results{{}, {}, {"y", "w", "W"}, {}}));
    }

    void emptySidesAreListsOfNoLines() {
        WindowFixture f;
        TPDFrm& window = f.make();
        Spit(f.path(QStringLiteral("empty.txt")), "");
        Find<QLineEdit>(window, "txtFirst")->setText(f.path(QStringLiteral("empty.txt")));
        f.dialogs.clipboard = "x\r\nx\r\ny\r\n";
        Find<QRadioButton>(window, "RadioButton5")->click();
        Click(window, "Button7");
        QCOMPARE(AllShown(window), (Results{{}, {"x", "y"}, {}, {"x", "y"}}));
        QCOMPARE(f.dialogs.errors, QStringList());
    }

    void emptyFileBoxStopsSilentlyWithEmptyBoxes() {
        WindowFixture f;
        TPDFrm& window = f.make();
        window.mainList().setText("m\r\n");
        CompareMainListWithItself(window);
        QCOMPARE(AllShown(window).same, Lines{"m"});

        Spit(f.path(QStringLiteral("1.txt")), "a\r\n");
        Find<QRadioButton>(window, "RadioButton1")->click();
        Find<QLineEdit>(window, "txtFirst")->setText(f.path(QStringLiteral("1.txt")));
        Find<QRadioButton>(window, "RadioButton4")->click();
        Click(window, "Button7");
        QCOMPARE(AllShown(window), kNoResults);
        QCOMPARE(f.dialogs.errors, QStringList());
    }

    void readFailuresAreReportedWithEmptyBoxes() {
        WindowFixture f;
        TPDFrm& window = f.make();
        window.mainList().setText("m\r\n");
        CompareMainListWithItself(window);

        // The first side fails, so the second (a busy clipboard) is never read.
        const QString missing = f.path(QStringLiteral("missing.txt"));
        Find<QRadioButton>(window, "RadioButton1")->click();
        Find<QLineEdit>(window, "txtFirst")->setText(missing);
        Find<QRadioButton>(window, "RadioButton5")->click();
        f.dialogs.clipboardBusy = true;
        Click(window, "Button7");
        QCOMPARE(f.dialogs.errors,
                 QStringList{QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                                 .arg(missing)});
        QCOMPARE(AllShown(window), kNoResults);

        Find<QRadioButton>(window, "RadioButton3")->click();
        Click(window, "Button7");
        QCOMPARE(f.dialogs.errors.last(), QStringLiteral("Cannot open clipboard."));
        QCOMPARE(AllShown(window), kNoResults);
    }

    void sourceSwitchingEnablesTheFileControls() {
        WindowFixture f;
        TPDFrm& window = f.make();
        auto* box = Find<QLineEdit>(window, "txtSecond");
        box->setText(QStringLiteral("kept.txt"));
        Find<QRadioButton>(window, "RadioButton5")->click();
        QVERIFY(!box->isEnabled());
        QVERIFY(!Find(window, "Button3")->isEnabled());
        QVERIFY(Find(window, "txtFirst")->isEnabled());
        Find<QRadioButton>(window, "RadioButton6")->click();
        QVERIFY(!box->isEnabled());
        Find<QRadioButton>(window, "RadioButton4")->click();
        QVERIFY(box->isEnabled());
        QVERIFY(Find(window, "Button3")->isEnabled());
        QCOMPARE(box->text(), QStringLiteral("kept.txt"));

        Find<QRadioButton>(window, "RadioButton3")->click();
        QVERIFY(!Find(window, "txtFirst")->isEnabled());
        QVERIFY(!Find(window, "Button1")->isEnabled());
    }

    // Regression: Export wrote into the first window's Main List whichever window it came from.
    void exportWritesTheMainListOfItsOwnWindow() {
        WindowFixture f;
        TPDFrm& first = f.make();
        first.mainList().setText("first window\r\n");
        TPDFrm second(f.services);
        f.dialogs.clipboard = "p\nq\n";
        second.mainList().setText("q\r\n");
        Find<QRadioButton>(second, "RadioButton2")->click();
        Find<QRadioButton>(second, "RadioButton6")->click();
        Click(second, "Button7");

        Click(second, "btnFirst");
        QCOMPARE(second.mainList().text(), std::string("p\r\n"));
        QCOMPARE(first.mainList().text(), std::string("first window\r\n"));
        Click(second, "btnSame");
        QCOMPARE(second.mainList().text(), std::string("q\r\n"));
        Click(second, "btnSecond");  // an empty result empties the Main List
        QCOMPARE(second.mainList().text(), std::string());
        QCOMPARE(first.mainList().text(), std::string("first window\r\n"));
        QCOMPARE(second.workList().count(), 0);
    }

    void copyPutsEveryLineWithCrLf() {
        WindowFixture f;
        TPDFrm& window = f.make();
        window.mainList().setText("p\r\nq\r\n\xC3\xA9\xFF\r\n");
        CompareMainListWithItself(window);
        Click(window, "clpSame");
        QCOMPARE(f.dialogs.clipboard, std::string("p\r\nq\r\n\xC3\xA9\xFF\r\n"));  // bytes kept
        Click(window, "clpDif");
        QCOMPARE(f.dialogs.clipboard, std::string());

        f.dialogs.clipboard = "before";
        f.dialogs.clipboardBusy = true;
        Click(window, "clpSame");
        QCOMPARE(f.dialogs.errors, QStringList{QStringLiteral("Cannot open clipboard.")});
        QCOMPARE(f.dialogs.clipboard, std::string("before"));
    }

    void escapeEmptiesTheFileBox() {
        WindowFixture f;
        TPDFrm& window = f.make();
        Find<QLineEdit>(window, "txtFirst")->setText(QStringLiteral("a.txt"));
        Find<QLineEdit>(window, "txtSecond")->setText(QStringLiteral("b.txt"));
        QTest::keyClick(Find<QLineEdit>(window, "txtSecond"), Qt::Key_Escape);
        QCOMPARE(Find<QLineEdit>(window, "txtSecond")->text(), QString());
        QCOMPARE(Find<QLineEdit>(window, "txtFirst")->text(), QStringLiteral("a.txt"));
    }

    void browseFillsTheBoxOfItsSide() {
        WindowFixture f;
        TPDFrm& window = f.make();
        Find<QLineEdit>(window, "txtSecond")->setText(QStringLiteral("/data/old/b.txt"));
        f.dialogs.openAnswers.push_back(f.path(QStringLiteral("chosen.txt")));
        Click(window, "Button3");
        QCOMPARE(f.dialogs.openRequests.back().initialFolder, QStringLiteral("/data/old"));
        QCOMPARE(f.dialogs.openRequests.back().title, QStringLiteral("Browse"));
        QCOMPARE(Find<QLineEdit>(window, "txtSecond")->text(),
                 f.path(QStringLiteral("chosen.txt")));
        QCOMPARE(Find<QLineEdit>(window, "txtFirst")->text(), QString());
        Click(window, "Button1");  // cancelled
        QCOMPARE(Find<QLineEdit>(window, "txtFirst")->text(), QString());
        QCOMPARE(f.dialogs.openRequests.size(), std::size_t{2});
    }
};

QTEST_MAIN(ComparerPageTest)
#include "comparer_page_test.moc"
