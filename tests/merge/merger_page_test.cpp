#include "merge/merger_page.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/page_control.h"
#include "app/window_fixture.h"
#include "batch/list_builder_page.h"
#include "main_list/main_list.h"

using namespace pendara;
using pendara::testing::CaseTrace;
using pendara::testing::Spit;
using pendara::testing::WindowFixture;

namespace {

template <typename T = QWidget>
T* Find(TPDFrm& window, const char* name) {
    return pendara::testing::Child<T>(window.mergerPage(), name);
}

QLineEdit* Box(TPDFrm& window, const char* name) { return Find<QLineEdit>(window, name); }
void Click(TPDFrm& window, const char* name) { Find<QAbstractButton>(window, name)->click(); }

// A window on the List Merger page with the two files written and named in their boxes.
struct MergeSetup {
    WindowFixture f;
    TPDFrm& window;

    MergeSetup(const QByteArray& first, const QByteArray& second) : window(f.make()) {
        window.findChild<QAbstractButton*>(QStringLiteral("spdLS"))->click();
        Spit(f.path(QStringLiteral("first.txt")), first);
        Spit(f.path(QStringLiteral("second.txt")), second);
        Box(window, "txtLeftUp")->setText(f.path(QStringLiteral("first.txt")));
        Box(window, "txtRightDown")->setText(f.path(QStringLiteral("second.txt")));
    }
    void texts(const char* before, const char* separator, const char* after) {
        Box(window, "before")->setText(QString::fromUtf8(before));
        Box(window, "txtSeparator")->setText(QString::fromUtf8(separator));
        Box(window, "after")->setText(QString::fromUtf8(after));
    }
    QWidget* activePage() { return window.page().activePage(); }
};

}  // namespace

class MergerPageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsInLeftRightModeWithEmptyBoxes() {
        WindowFixture f;
        TPDFrm& window = f.make();
        QVERIFY(Find<QRadioButton>(window, "RadioButton7")->isChecked());
        QCOMPARE(Find<QLabel>(window, "Label32")->text().remove(QLatin1Char('&')),
                 QStringLiteral("Left"));
        QCOMPARE(Find<QLabel>(window, "Label38")->text().remove(QLatin1Char('&')),
                 QStringLiteral("Right"));
        QCOMPARE(Find<QPushButton>(window, "Button10")->text(), QStringLiteral("Left <=> Right"));
        QCOMPARE(Find<QPushButton>(window, "Button11")->text(),
                 QStringLiteral("MERGE to \"Main List\""));
        for (const char* name : {"before", "txtLeftUp", "txtSeparator", "txtRightDown", "after"}) {
            const CaseTrace trace(QString::fromLatin1(name));
            QCOMPARE(Box(window, name)->text(), QString());
        }
        QCOMPARE(Find(window, "Button8")->property("tag").toInt(), 0);
        QCOMPARE(Find(window, "Button9")->property("tag").toInt(), 1);
    }

    void focusOrderStartsAtMergeAndFollowsTheRows() {
        WindowFixture f;
        TPDFrm& window = f.make();
        QWidget* page = &window.mergerPage();
        QStringList order;
        for (QWidget* w = page->nextInFocusChain(); page->isAncestorOf(w);
             w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
        }
        QCOMPARE(order, (QStringList{QStringLiteral("Button11"), QStringLiteral("RadioButton7"),
                                     QStringLiteral("RadioButton8"), QStringLiteral("txtLeftUp"),
                                     QStringLiteral("Button8"), QStringLiteral("txtSeparator"),
                                     QStringLiteral("txtRightDown"), QStringLiteral("Button9"),
                                     QStringLiteral("Button10"), QStringLiteral("before"),
                                     QStringLiteral("after")}));
    }

    void leftRightJoinsLinesAndShowsTheListBuilder() {
        MergeSetup s("a1\r\na2\r\na3\r\n", "b1");
        s.texts("[", "|", "]");
        s.window.mainList().setText("old\r\n");
        Click(s.window, "Button11");
        QCOMPARE(s.f.dialogs.errors, QStringList());
        QCOMPARE(s.window.mainList().text(), std::string("[a1|b1]\r\n[a2|]\r\n[a3|]\r\n"));
        QCOMPARE(s.window.workList().count(), 3);
        QCOMPARE(s.activePage(), static_cast<QWidget*>(&s.window.listBuilderPage()));
        QCOMPARE(s.window.mainList().updateDepth(), 0);
    }

    void topBottomWithBlankSeparatorAndMixedFiles() {
        // Lone CR and LF breaks, a final break that adds no line, a NUL inside a line.
        MergeSetup s("t1\rt2\n", QByteArray("b1\r\nb2\0kept\r\n", 13));
        Find<QRadioButton>(s.window, "RadioButton8")->click();
        s.texts("", "   ", "");
        Click(s.window, "Button11");
        QCOMPARE(s.window.mainList().text(),
                 std::string("t1\r\nt2\r\n   \r\nb1\r\nb2\0kept\r\n", 26));
    }

    void bothFilesEmptyEmptiesTheMainList() {
        MergeSetup s("", "");
        Find<QRadioButton>(s.window, "RadioButton8")->click();
        s.texts("B", "", "A");
        s.window.mainList().setText("old");
        Click(s.window, "Button11");
        QCOMPARE(s.window.mainList().text(), std::string("B\r\nA\r\n"));
        s.texts("", "", "");
        Click(s.window, "Button11");
        QCOMPARE(s.window.mainList().text(), std::string());
        QCOMPARE(s.f.dialogs.errors, QStringList());
    }

    // Regression: a merge that cannot run used to wipe the Main List.
    void emptyFileBoxKeepsTheMainListSilently() {
        MergeSetup s("a\r\n", "b\r\n");
        Box(s.window, "txtRightDown")->clear();
        s.window.mainList().setText("keep me\r\n");
        Click(s.window, "Button11");
        QCOMPARE(s.window.mainList().text(), std::string("keep me\r\n"));
        QCOMPARE(s.f.dialogs.errors, QStringList());
        QCOMPARE(s.activePage(), static_cast<QWidget*>(&s.window.mergerPage()));
    }

    // Regression: a merge that cannot read its files used to wipe the Main List.
    void unreadableFileKeepsTheMainListAndIsReported() {
        MergeSetup s("a\r\n", "b\r\n");
        const QString missing = s.f.path(QStringLiteral("missing.txt"));
        Box(s.window, "txtRightDown")->setText(missing);
        s.window.mainList().setText("keep me");
        Click(s.window, "Button11");
        QCOMPARE(s.window.mainList().text(), std::string("keep me"));
        QCOMPARE(s.f.dialogs.errors,
                 QStringList{QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                                 .arg(missing)});
        QCOMPARE(s.activePage(), static_cast<QWidget*>(&s.window.listBuilderPage()));
        QCOMPARE(s.window.mainList().updateDepth(), 0);

        Box(s.window, "txtLeftUp")->setText(s.f.folder.path());  // a folder is no list file
        Box(s.window, "txtRightDown")->setText(s.f.path(QStringLiteral("second.txt")));
        Click(s.window, "Button11");
        QCOMPARE(s.f.dialogs.errors.size(), 2);
        QCOMPARE(s.window.mainList().text(), std::string("keep me"));
    }

    void samePathTwiceAndUtf16File() {
        MergeSetup s(QByteArray("\xFF\xFEx\0\r\0\n\0y\0", 10), "");
        Box(s.window, "txtRightDown")->setText(Box(s.window, "txtLeftUp")->text());
        s.texts("", "=", "");
        Click(s.window, "Button11");
        QCOMPARE(s.window.mainList().text(), std::string("x=x\r\ny=y\r\n"));
    }

    void swapExchangesTheFileBoxesOnly() {
        MergeSetup s("L\r\n", "R\r\n");
        s.texts("<", "", ">");
        Click(s.window, "Button10");
        QCOMPARE(Box(s.window, "txtLeftUp")->text(), s.f.path(QStringLiteral("second.txt")));
        QCOMPARE(Box(s.window, "txtRightDown")->text(), s.f.path(QStringLiteral("first.txt")));
        QCOMPARE(Box(s.window, "before")->text(), QStringLiteral("<"));
        Click(s.window, "Button11");
        QCOMPARE(s.window.mainList().text(), std::string("<RL>\r\n"));
    }

    void modeButtonsRelabelTheRows() {
        WindowFixture f;
        TPDFrm& window = f.make();
        Find<QRadioButton>(window, "RadioButton8")->click();
        QCOMPARE(Find<QLabel>(window, "Label32")->text().remove(QLatin1Char('&')),
                 QStringLiteral("Top"));
        QCOMPARE(Find<QLabel>(window, "Label38")->text().remove(QLatin1Char('&')),
                 QStringLiteral("Bottom"));
        QCOMPARE(Find<QPushButton>(window, "Button10")->text(), QStringLiteral("Top <=> Bottom"));
        Find<QRadioButton>(window, "RadioButton7")->click();
        QCOMPARE(Find<QLabel>(window, "Label32")->text().remove(QLatin1Char('&')),
                 QStringLiteral("Left"));
        QCOMPARE(Find<QLabel>(window, "Label38")->text().remove(QLatin1Char('&')),
                 QStringLiteral("Right"));
        QCOMPARE(Find<QPushButton>(window, "Button10")->text(), QStringLiteral("Left <=> Right"));
    }

    void escapeEmptiesOnlyTheBoxItIsPressedIn() {
        WindowFixture f;
        TPDFrm& window = f.make();
        for (const char* name : {"before", "txtLeftUp", "txtSeparator", "txtRightDown", "after"}) {
            Box(window, name)->setText(QStringLiteral("text"));
        }
        QTest::keyClick(Box(window, "txtSeparator"), Qt::Key_Escape);
        QCOMPARE(Box(window, "txtSeparator")->text(), QString());
        for (const char* name : {"before", "txtLeftUp", "txtRightDown", "after"}) {
            const CaseTrace trace(QString::fromLatin1(name));
            QCOMPARE(Box(window, name)->text(), QStringLiteral("text"));
        }
        QTest::keyClick(Box(window, "after"), Qt::Key_Escape);
        QCOMPARE(Box(window, "after")->text(), QString());
    }

    void browseStartsInTheBoxFolderAndFillsTheFullPath() {
        WindowFixture f;
        TPDFrm& window = f.make();
        Box(window, "txtLeftUp")->setText(QStringLiteral("/srv/lists/old.txt"));
        f.dialogs.openAnswers.push_back(f.path(QStringLiteral("new.txt")));
        Click(window, "Button8");
        QCOMPARE(Box(window, "txtLeftUp")->text(), f.path(QStringLiteral("new.txt")));
        QCOMPARE(f.dialogs.openRequests.size(), std::size_t{1});
        const Dialogs::FileDialog& request = f.dialogs.openRequests.front();
        QCOMPARE(request.title, QStringLiteral("Browse"));
        QCOMPARE(request.filter, QStringLiteral("Text File (*.txt)"));
        QCOMPARE(request.initialFolder, QStringLiteral("/srv/lists"));
        QCOMPARE(request.defaultSuffix, QString());

        // The second box: empty text leaves the folder to the dialog; a cancel keeps the box.
        Click(window, "Button9");
        QCOMPARE(f.dialogs.openRequests.back().initialFolder, QString());
        QCOMPARE(Box(window, "txtRightDown")->text(), QString());
        Box(window, "txtRightDown")->setText(QStringLiteral("C:\\Lists\\a.txt"));
        Click(window, "Button9");
        QCOMPARE(f.dialogs.openRequests.back().initialFolder, QStringLiteral("C:\\Lists"));
        QCOMPARE(Box(window, "txtRightDown")->text(), QStringLiteral("C:\\Lists\\a.txt"));
        QCOMPARE(Box(window, "txtLeftUp")->text(), f.path(QStringLiteral("new.txt")));
    }
};

QTEST_MAIN(MergerPageTest)
#include "merger_page_test.moc"
