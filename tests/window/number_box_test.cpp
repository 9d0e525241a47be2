#include <QSignalSpy>
#include <QTest>

#include "window/number_box.h"
#include "window/scripted_dialogs.h"

using pendara::NumberBox;

class NumberBoxTest : public QObject {
    Q_OBJECT

    static void leave(NumberBox& box) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(&box, &out);
    }

private Q_SLOTS:
    void focusOutBringsNumbersIntoRange() {
        NumberBox box;
        box.setRange(1, 10000000);
        box.setText(QStringLiteral("0"));
        QCOMPARE(box.value(), 0);
        leave(box);
        QCOMPARE(box.text(), QStringLiteral("1"));
        box.setText(QStringLiteral("99999999999"));
        leave(box);
        QCOMPARE(box.text(), QStringLiteral("99999999999"));
        QCOMPARE(box.value(), 1);
        box.setText(QStringLiteral("20000000"));
        leave(box);
        QCOMPARE(box.text(), QStringLiteral("10000000"));
    }

    void arrowsStepAndClamp() {
        NumberBox box;
        box.setRange(0, 20000);
        box.setValue(20000);
        QTest::keyClick(&box, Qt::Key_Up);
        QCOMPARE(box.text(), QStringLiteral("20000"));
        QTest::keyClick(&box, Qt::Key_Down);
        QCOMPARE(box.value(), 19999);
        box.setText(QStringLiteral("abc"));
        box.stepBy(1);
        QCOMPARE(box.value(), 1);
    }

    void refusesLettersWithABeep() {
        pendara::testing::ScriptedDialogs dialogs;
        NumberBox box;
        box.setDialogs(&dialogs);
        box.setRange(1, 100);
        box.setText(QString());
        QTest::keyClicks(&box, QStringLiteral("1a-2+"));
        QCOMPARE(box.text(), QStringLiteral("1-2+"));
        QCOMPARE(dialogs.beeps, 1);
        // Enter is refused as a character and asks for the box's operation.
        QSignalSpy entered(&box, &NumberBox::enterPressed);
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(dialogs.beeps, 2);
        QCOMPARE(entered.size(), 1);
    }
};

QTEST_MAIN(NumberBoxTest)
#include "number_box_test.moc"
