#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>

#include "app/every_window.h"
#include "main_list/scintilla.h"

using namespace pendara;
using pendara::testing::VisitEveryWindow;

namespace {

// What a screen reader says a control is called: Qt gives it from the accessible name, a
// button's caption or the label whose buddy the control is,
// or the title of the group box around it, which names the group rather than the control.
QString SpokenName(QWidget& w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&w);
    const QString name = face != nullptr ? face->text(QAccessible::Name).trimmed() : QString();
    for (QWidget* up = w.parentWidget(); up != nullptr; up = up->parentWidget()) {
        if (auto* group = qobject_cast<QGroupBox*>(up)) {
            if (name == QString(group->title()).remove(QLatin1Char('&')).trimmed()) return {};
            break;
        }
    }
    // A caption without a digit and with fewer than two letters ("...", "A") tells a listener
    // nothing.
    qsizetype letters = 0;
    for (const QChar c : name) letters += c.isLetter() ? 1 : c.isDigit() ? 2 : 0;
    return letters < 2 ? QString() : name;
}

bool NeedsName(const QWidget& w) {
    if (qobject_cast<const QScrollBar*>(&w) != nullptr) return false;
    // The parts of Qt's own controls (a spin box's line, a tab bar's arrows) are named by them.
    const QWidget* parent = w.parentWidget();
    if (qobject_cast<const QAbstractSpinBox*>(parent) || qobject_cast<const QComboBox*>(parent) ||
        qobject_cast<const QTabBar*>(parent) || qobject_cast<const QAbstractItemView*>(parent) ||
        qobject_cast<const QLineEdit*>(parent) || w.window()->inherits("QComboBoxPrivateContainer"))
        return false;
    return qobject_cast<const QLineEdit*>(&w) || qobject_cast<const QAbstractSpinBox*>(&w) ||
           qobject_cast<const QComboBox*>(&w) || qobject_cast<const QAbstractItemView*>(&w) ||
           qobject_cast<const QAbstractButton*>(&w) || qobject_cast<const QPlainTextEdit*>(&w) ||
           qobject_cast<const QsciScintilla*>(&w);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyInputListAndButtonHasAName() {
        QStringList nameless;
        VisitEveryWindow([&](QWidget& top, const QString& where) {
            for (QWidget* w : top.findChildren<QWidget*>()) {
                if (!NeedsName(*w) || !SpokenName(*w).isEmpty()) continue;
                nameless << QStringLiteral("%1: %2 %3")
                                .arg(where, QString::fromLatin1(w->metaObject()->className()),
                                     w->objectName());
            }
        });
        nameless.removeDuplicates();
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QLatin1Char('\n'))));
    }

    void altWithACaptionsLetterReachesItsBox() {
        testing::WindowFixture f;
        TPDFrm& window = f.make();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* caption = testing::Child<QLabel>(window, "Label1");
        QCOMPARE(caption->buddy(), testing::Child(window, "List2"));
        const QString text = caption->text();
        QVERIFY(text.contains(QLatin1Char('&')));
        const QChar letter = text.at(text.indexOf(QLatin1Char('&')) + 1).toUpper();
        testing::Child(window, "MAdd")->setFocus();
        QTest::keyClick(&window, static_cast<Qt::Key>(letter.unicode()), Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), caption->buddy());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
