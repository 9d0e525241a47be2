#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <map>

#include "app/window_fixture.h"
#include "extras/error_message_page.h"
#include "extras/error_rows.h"
#include "extras/key_value_model.h"
#include "window/number_box.h"

using namespace pendara;
using pendara::testing::WindowFixture;

namespace {

class TableSource : public MessageSource {
public:
    std::string messageText(int code) override {
        static const std::map<int, std::string> table{
            {0, "The operation completed successfully"}, {1, "Incorrect function"}, {2, "x=%1 y"}};
        const auto found = table.find(code);
        return found == table.end() ? std::string() : found->second;
    }
};

struct Page {
    WindowFixture f;
    TableSource source;
    ErrorMessagePage* page = nullptr;

    Page() {
        f.services.messages = &source;
        page = &f.make().errorMessagePage();
    }
    template <typename T>
    T* get(const char* name) {
        return page->findChild<T*>(QString::fromLatin1(name));
    }
    NumberBox* from() { return get<NumberBox>("spnFrom"); }
    NumberBox* to() { return get<NumberBox>("spnTo"); }
    QTableView* grid() { return get<QTableView>("EList"); }
    QString message() { return get<QLineEdit>("Edit1")->text(); }
    void show(int fromCode, int toCode) {
        from()->setValue(fromCode);
        to()->setValue(toCode);
        get<QPushButton>("btnShow")->click();
    }
    QString cell(int row, int column) {
        return grid()->model()->index(row, column).data().toString();
    }
};

}  // namespace

class ErrorMessagePageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsWithOneEmptyRowAndTheDefaultRange() {
        Page p;
        QCOMPARE(p.page->objectName(), QStringLiteral("shtError"));
        QCOMPARE(p.from()->value(), 0);
        QCOMPARE(p.to()->value(), 5000);
        QCOMPARE(p.grid()->model()->rowCount(), 1);
        QCOMPARE(p.grid()->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("Error Code"));
        QCOMPARE(p.grid()->model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Error Message"));
        p.get<QLineEdit>("Edit1")->setText(QStringLiteral("old"));
        p.page->EListClick();
        QCOMPARE(p.message(), QString());
    }

    void boxesInTheWrongOrderAreSwappedAndListedAscending() {
        Page p;
        p.show(5000, 0);
        QCOMPARE(p.from()->value(), 0);
        QCOMPARE(p.to()->value(), 5000);
        QCOMPARE(p.grid()->model()->rowCount(), 5001);
        QCOMPARE(p.cell(0, 0), QStringLiteral("0"));
        QCOMPARE(p.cell(0, 1), QStringLiteral("The operation completed successfully"));
        QCOMPARE(p.cell(5000, 0), QStringLiteral("5000"));
        QCOMPARE(p.cell(5000, 1), QString());  // unknown code: listed, no text
    }

    void rangeEndsAndUnreadableBoxes() {
        Page p;
        p.show(0, 20000);
        QCOMPARE(p.grid()->model()->rowCount(), 20001);
        p.from()->findChild<QLineEdit*>()->setText(QStringLiteral("abc"));  // as pasted
        p.to()->findChild<QLineEdit*>()->setText(QString());
        p.get<QPushButton>("btnShow")->click();
        QCOMPARE(p.grid()->model()->rowCount(), 1);
        QCOMPARE(p.cell(0, 1), QStringLiteral("The operation completed successfully"));
    }

    void selectingARowShowsItsMessageAndShowKeepsIt() {
        Page p;
        p.show(0, 3);
        p.grid()->setFocus();
        p.grid()->setCurrentIndex(p.grid()->model()->index(0, 0));
        QTest::keyClick(p.grid(), Qt::Key_Down);
        QTest::keyClick(p.grid(), Qt::Key_Down);
        QCOMPARE(p.message(), QStringLiteral("x=%1 y"));  // split at the first "=" only
        // A new Show keeps the current row as far as the rows reach and leaves the box alone.
        p.show(0, 1);
        QCOMPARE(p.grid()->currentIndex().row(), 1);
        QCOMPARE(p.message(), QStringLiteral("x=%1 y"));
        QTest::mouseClick(p.grid()->viewport(), Qt::LeftButton, {},
                          p.grid()->visualRect(p.grid()->model()->index(0, 1)).center());
        QCOMPARE(p.message(), QStringLiteral("The operation completed successfully"));
    }
};

QTEST_MAIN(ErrorMessagePageTest)
#include "error_message_page_test.moc"
