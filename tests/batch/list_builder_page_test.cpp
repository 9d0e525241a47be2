#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/window_fixture.h"
#include "batch/list_builder_page.h"
#include "main_list/edit_transaction.h"
#include "main_list/main_list.h"
#include "main_list/scintilla.h"

using namespace pendara;
using pendara::testing::Slurp;
using pendara::testing::Spit;
using pendara::testing::WindowFixture;

namespace {

void Click(TPDFrm& window, const char* name) {
    window.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

}  // namespace

class ListBuilderPageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadThenSaveWritesTheSameBytes() {
        WindowFixture f;
        TPDFrm& window = f.make();
        const QByteArray bytes("alpha\r\n\xC3\xA4\xFF\x80 odd bytes\r\nlast without break");
        Spit(f.path(QStringLiteral("in.txt")), bytes);
        f.dialogs.openAnswers.push_back(f.path(QStringLiteral("in.txt")));
        f.dialogs.saveAnswers.push_back(f.path(QStringLiteral("out.txt")));
        Click(window, "Load1");
        Click(window, "Save1");
        QCOMPARE(f.dialogs.errors, QStringList());
        QCOMPARE(Slurp(f.path(QStringLiteral("out.txt"))), bytes);
        QCOMPARE(f.dialogs.openRequests.at(0).filter,
                 QStringLiteral("Text File (*.txt);;All Files (*)"));
        QCOMPARE(f.dialogs.saveRequests.at(0).defaultSuffix, QStringLiteral("txt"));
    }

    void sampleFilesComeBackInTheirForm_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("sorted");
        QTest::addColumn<QString>("form");
        QTest::newRow("CR LF, last line open")
            << QByteArray("b\r\na") << QByteArray("a\r\nb")
            << QStringLiteral("Plain bytes, CR LF, no final break");
        QTest::newRow("LF") << QByteArray("b\na\n") << QByteArray("a\nb\n")
                            << QStringLiteral("Plain bytes, LF");
        QTest::newRow("CR") << QByteArray("b\ra\r") << QByteArray("a\rb\r")
                            << QStringLiteral("Plain bytes, CR");
        QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF\xC3\xA9\na")
                                    << QByteArray(
                                           "\xEF\xBB\xBF"
                                           "a\n\xC3\xA9")
                                    << QStringLiteral("UTF-8 with mark, LF, no final break");
        QTest::newRow("UTF-16 LE") << QByteArray(
                                          "\xFF\xFE"
                                          "b\0\n\0a\0\n\0",
                                          10)
                                   << QByteArray(
                                          "\xFF\xFE"
                                          "a\0\n\0b\0\n\0",
                                          10)
                                   << QStringLiteral("UTF-16 LE, LF");
        QTest::newRow("UTF-16 BE, odd length")
            << QByteArray("\xFE\xFF\0b\0\r\0\n\0a\x7A", 11)
            << QByteArray("\xFE\xFF\0a\xFF\xFD\0\r\0\n\0b", 12)
            << QStringLiteral("UTF-16 BE, CR LF, no final break");
        QTest::newRow("mixed breaks and NULs")
            << QByteArray("b\r\na\nc\0tail", 12) << QByteArray("a\r\nb\r\nc\0tail\0", 13)
            << QStringLiteral("Plain bytes, CR LF, no final break");
    }

    void sampleFilesComeBackInTheirForm() {
        // Guards against a load and save that changed a file's mark, breaks or encoding.
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, sorted);
        QFETCH(QString, form);
        WindowFixture f;
        TPDFrm& window = f.make();
        Spit(f.path(QStringLiteral("in.txt")), file);
        f.dialogs.openAnswers.push_back(f.path(QStringLiteral("in.txt")));
        f.dialogs.saveAnswers.push_back(f.path(QStringLiteral("same.txt")));
        f.dialogs.saveAnswers.push_back(f.path(QStringLiteral("sorted.txt")));
        Click(window, "Load1");
        QCOMPARE(window.mainList().editor().toolTip(), form);
        Click(window, "Save1");
        Click(window, "Sort");
        Click(window, "Save1");
        QCOMPARE(f.dialogs.errors, QStringList());
        QCOMPARE(Slurp(f.path(QStringLiteral("same.txt"))), file);
        QCOMPARE(Slurp(f.path(QStringLiteral("sorted.txt"))), sorted);
    }

    void aCodePageListSortsByItsLettersAndAsksBeforeLosingACharacter() {
        WindowFixture f;
        TPDFrm& window = f.make();
        const QString in = f.path(QStringLiteral("in.txt"));
        Spit(in, QByteArray("Zakari\r\nM\xFCller\r\n\xC9ric\r\n"));
        f.dialogs.openAnswers.push_back(in);
        Click(window, "Load1");
        QCOMPARE(window.mainList().editor().toolTip(), QStringLiteral("windows-1252, CR LF"));
        Click(window, "Sort");
        QCOMPARE(window.mainList().text(), std::string("Éric\r\nMüller\r\nZakari\r\n"));

        // No: nothing is written. Yes: the list is saved as UTF-8.
        window.mainList().setText(window.mainList().text() + "smile 😀\r\n");
        f.dialogs.yesNoAnswers = {false, true};
        f.dialogs.saveAnswers = {in, in};
        Click(window, "Save1");
        QCOMPARE(f.dialogs.yesNoQuestions,
                 QStringList(QStringLiteral("Line 4 holds \"😀\" (U+1F600), which windows-1252 "
                                            "cannot hold.\n\nSave the list as UTF-8 instead?")));
        QCOMPARE(Slurp(in), QByteArray("Zakari\r\nM\xFCller\r\n\xC9ric\r\n"));
        QVERIFY(window.mainList().isModified());
        Click(window, "Save1");
        QCOMPARE(Slurp(in), QByteArray("Éric\r\nMüller\r\nZakari\r\nsmile 😀\r\n"));
        QCOMPARE(window.mainList().editor().toolTip(), QStringLiteral("Plain bytes, CR LF"));
        QCOMPARE(f.dialogs.errors, QStringList());
    }

    void listsFromNoFileAreSavedWithCrLf() {
        WindowFixture f;
        TPDFrm& window = f.make();
        Spit(f.path(QStringLiteral("lf.txt")), QByteArray("\xEF\xBB\xBF"
                                                          "a\nb\n"));
        for (const char* reset : {"Button5", "RemAll"}) {
            f.dialogs.openAnswers.push_back(f.path(QStringLiteral("lf.txt")));
            Click(window, "Load1");
            f.dialogs.clipboard = "x\ny";
            Click(window, reset);
            window.mainList().setText("x\ny");
            f.dialogs.saveAnswers.push_back(f.path(QStringLiteral("out.txt")));
            Click(window, "Save1");
            QCOMPARE(Slurp(f.path(QStringLiteral("out.txt"))), QByteArray("x\r\ny"));
            QCOMPARE(window.mainList().editor().toolTip(), QStringLiteral("Plain bytes, CR LF"));
        }
    }

    void loadTurnsEveryBreakIntoCrLfAndKeepsNuls() {
        // Guards against the editor's text ending at a NUL, which lost the rest of the file.
        WindowFixture f;
        TPDFrm& window = f.make();
        Spit(f.path(QStringLiteral("lf.txt")), QByteArray("a\nb\rc\n\nd\0kept", 13));
        f.dialogs.openAnswers.push_back(f.path(QStringLiteral("lf.txt")));
        Click(window, "Load1");
        QCOMPARE(window.mainList().text(), std::string("a\r\nb\r\nc\r\n\r\nd\0kept", 17));
        QCOMPARE(window.mainList().count(), 5);
        QCOMPARE(window.workList().count(), 0);  // loading leaves the work list alone
    }

    void loadDecodesUtf16AndDropsUtf8Mark() {
        WindowFixture f;
        TPDFrm& window = f.make();
        Spit(f.path(QStringLiteral("u16.txt")), QByteArray("\xFF\xFEh\0i\0\r\0\n\0", 10));
        f.dialogs.openAnswers.push_back(f.path(QStringLiteral("u16.txt")));
        Click(window, "Load1");
        QCOMPARE(window.mainList().text(), std::string("hi\r\n"));
        Spit(f.path(QStringLiteral("bom.txt")), QByteArray("\xEF\xBB\xBFword"));
        f.dialogs.openAnswers.push_back(f.path(QStringLiteral("bom.txt")));
        Click(window, "Load1");
        QCOMPARE(window.mainList().text(), std::string("word"));
    }

    void cancelledDialogsChangeNothing() {
        WindowFixture f;
        TPDFrm& window = f.make();
        window.mainList().setText("keep");
        Click(window, "Load1");
        Click(window, "Save1");
        QCOMPARE(window.mainList().text(), std::string("keep"));
        QCOMPARE(f.dialogs.errors, QStringList());
        QCOMPARE(f.dialogs.openRequests.size(), 1u);
    }

    void failuresShowTheirMessageAndKeepTheList() {
        WindowFixture f;
        TPDFrm& window = f.make();
        window.mainList().setText("keep");
        const QString missing = f.path(QStringLiteral("missing.txt"));
        f.dialogs.openAnswers.push_back(missing);
        Click(window, "Load1");
        QCOMPARE(
            f.dialogs.errors.value(0),
            QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(missing));
        const QString badTarget = f.path(QStringLiteral("no/folder/out.txt"));
        f.dialogs.saveAnswers.push_back(badTarget);
        Click(window, "Save1");
        QCOMPARE(
            f.dialogs.errors.value(1),
            QStringLiteral("Cannot create file \"%1\". No such file or directory.").arg(badTarget));
        f.dialogs.clipboardBusy = true;
        Click(window, "Button5");
        QCOMPARE(f.dialogs.errors.value(2), QStringLiteral("Cannot open clipboard."));
        QCOMPARE(window.mainList().text(), std::string("keep"));
    }

    void sortIgnoresCaseAndEndsWithABreak() {
        WindowFixture f;
        TPDFrm& window = f.make();
        window.mainList().setText("b\r\nB\r\na");
        Click(window, "Sort");
        const std::string text = window.mainList().text();
        QVERIFY(text == "a\r\nb\r\nB\r\n" || text == "a\r\nB\r\nb\r\n");
        window.mainList().setText("one");
        Click(window, "Sort");
        QCOMPARE(window.mainList().text(), std::string("one\r\n"));
        QCOMPARE(window.workList().count(), 0);
    }

    void scrambleKeepsTheLinesAndFillsTheWorkList() {
        WindowFixture f;
        TPDFrm& window = f.make();
        std::string text;
        for (int i = 0; i < 200; ++i) text += std::to_string(i) + "\r\n";
        window.mainList().setText(text);
        Click(window, "btnScramble");
        LineList after = window.mainList().lines();
        QVERIFY(window.mainList().text() != text);
        after.sort();
        LineList before;
        before.setText(text);
        before.sort();
        QVERIFY(after == before);
        QTest::mouseDClick(window.findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
        QCOMPARE(f.dialogs.messages, QStringList({QStringLiteral("Number of Lines : 200")}));
    }

    void lineCountComesFromTheWorkList() {
        WindowFixture f;
        TPDFrm& window = f.make();
        window.mainList().setText("a\r\nb\r\n");
        QTest::mouseDClick(window.findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
        QCOMPARE(f.dialogs.messages.value(0), QStringLiteral("Number of Lines : 0"));
    }

    void clearCopyAndPaste() {
        WindowFixture f;
        TPDFrm& window = f.make();
        Click(window, "Button4");
        QCOMPARE(f.dialogs.clipboard, std::string());
        window.mainList().setText("x\ny");
        Click(window, "Button4");
        QCOMPARE(f.dialogs.clipboard, std::string("x\r\ny"));
        Click(window, "RemAll");
        QCOMPARE(window.mainList().text(), std::string());
        f.dialogs.clipboard = std::string("p\nq\0r", 5);
        Click(window, "Button5");
        QCOMPARE(window.mainList().text(), std::string("p\r\nq\0r", 6));
        f.dialogs.clipboard.clear();
        Click(window, "Button5");
        QCOMPARE(window.mainList().count(), 0);
    }

    void mainListCountsCrLfLines() {
        WindowFixture f;
        MainList& list = f.make().mainList();
        QCOMPARE(list.count(), 0);
        list.setText("a\r\nb");
        QCOMPARE(list.count(), 2);
        list.setText("a\r\nb\r\n");
        QCOMPARE(list.count(), 2);
        list.setText("a\r\n\r\n");
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.lines().getText(), std::string("a\r\n\r\n"));
    }

    void settingTheSameTextLeavesTheEditorUntouched() {
        WindowFixture f;
        MainList& list = f.make().mainList();
        // Replacing the text moves the caret home; an untouched editor keeps it where it was.
        list.setText("same\r\n");
        list.editor().SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 3UL);
        list.setText("same\n");
        QCOMPARE(list.editor().SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS), 3L);
        list.setText("other");
        QCOMPARE(list.editor().SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS), 0L);
    }

    void transactionFormsOnFailure() {
        WindowFixture f;
        TPDFrm& window = f.make();
        window.mainList().setText("a\r\nb");
        const auto failing = [](LineList& lines) {
            lines.put(0, "changed");
            throw Failure("broken");
        };
        QVERIFY_THROWS_EXCEPTION(Failure,
                                 RunEditTransaction(window.mainList(), window.workList(),
                                                    TransactionForm::SuccessOnly, failing));
        QCOMPARE(window.mainList().text(), std::string("a\r\nb"));
        QCOMPARE(window.mainList().updateDepth(), 0);
        QVERIFY_THROWS_EXCEPTION(Failure, RunEditTransaction(window.mainList(), window.workList(),
                                                             TransactionForm::Standard, failing));
        QCOMPARE(window.mainList().text(), std::string("changed\r\nb\r\n"));
        QCOMPARE(window.mainList().updateDepth(), 0);
    }

    void emptyListStaysEmptyThroughATransaction() {
        WindowFixture f;
        TPDFrm& window = f.make();
        RunEditTransaction(window.mainList(), window.workList(), TransactionForm::Standard,
                           [](LineList&) {});
        QCOMPARE(window.mainList().text(), std::string());
        window.mainList().setText("a");
        RunEditTransaction(window.mainList(), window.workList(), TransactionForm::Standard,
                           [](LineList&) {});
        QCOMPARE(window.mainList().text(), std::string("a\r\n"));
    }
};

QTEST_MAIN(ListBuilderPageTest)
#include "list_builder_page_test.moc"
