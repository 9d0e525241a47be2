#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTranslator>

#include "app/every_window.h"
#include "app/translations.h"
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

// The letter after a lone "&", in capitals; none for a caption without one.
QChar MnemonicOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toUpper();
        ++i;
    }
    return {};
}

QString CaptionOf(const QWidget& w) {
    if (const auto* label = qobject_cast<const QLabel*>(&w)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(&w)) return group->title();
    return {};
}

// A caption as a listener hears it: without mnemonic, colon and outer blanks.
QString Spoken(const QString& caption) {
    QString text = QString(caption).remove(QLatin1Char('&')).trimmed();
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text.trimmed();
}

// What keeps Alt and a caption's letter from reaching its box on what `top` shows now: a
// caption without a mnemonic, one whose letter another caption shown shares, one whose key
// puts the focus elsewhere, and a box named after a caption that does not lead to it.
QStringList UnreachedBoxes(QWidget& top, const QString& where) {
    QStringList faults;
    QList<QWidget*> shown;
    for (QWidget* w : top.findChildren<QWidget*>()) {
        if (w->isVisible() && w->window() == &top) shown << w;
    }
    QHash<QChar, int> owners;
    for (const QWidget* w : shown) {
        const QChar letter = MnemonicOf(CaptionOf(*w));
        if (!letter.isNull()) ++owners[letter];
    }
    QSet<const QWidget*> led;
    QHash<QString, const QLabel*> captions;
    for (QWidget* w : shown) {
        auto* label = qobject_cast<QLabel*>(w);
        if (label == nullptr) continue;
        if (!Spoken(label->text()).isEmpty()) captions.insert(Spoken(label->text()), label);
        QWidget* box = label->buddy();
        if (box == nullptr || !box->isVisible() || !box->isEnabled()) continue;
        led.insert(box);
        const QString name =
            QStringLiteral("%1: %2 \"%3\"").arg(where, label->objectName(), label->text());
        const QChar letter = MnemonicOf(label->text());
        if (letter.isNull()) {
            faults << name + QStringLiteral(" has no mnemonic");
            continue;
        }
        if (owners.value(letter) > 1) {
            faults << name + QStringLiteral(" shares Alt+%1 with another caption").arg(letter);
            continue;
        }
        if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
        QTest::keyClick(&top, static_cast<Qt::Key>(letter.unicode()), Qt::AltModifier);
        QWidget* focus = QApplication::focusWidget();
        if (focus != box && (focus == nullptr || !box->isAncestorOf(focus))) {
            faults << name + QStringLiteral(": Alt+%1 leaves the focus on %2")
                                 .arg(letter)
                                 .arg(focus != nullptr ? focus->objectName()
                                                       : QStringLiteral("nothing"));
        }
    }
    for (QWidget* w : shown) {
        if (!NeedsName(*w) || qobject_cast<QAbstractButton*>(w) != nullptr || led.contains(w))
            continue;
        const QString name = Spoken(w->accessibleName());
        if (const QLabel* caption = name.isEmpty() ? nullptr : captions.value(name)) {
            faults << QStringLiteral("%1: %2 is named after %3, which Alt does not lead to it")
                          .arg(where, w->objectName(), caption->objectName());
        }
    }
    return faults;
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

    void altWithEveryCaptionsLetterReachesItsBox_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
        // Mnemonics are given to the translated captions, whose letters differ.
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    }

    void altWithEveryCaptionsLetterReachesItsBox() {
        QFETCH(QLocale, locale);
        QCOMPARE(InstallTranslations(*qApp, locale, {QStringLiteral(PENDARA_TRANSLATIONS_DIR)}),
                 locale.language() != QLocale::English);
        const auto installed = qScopeGuard([] {
            for (QTranslator* translator : qApp->findChildren<QTranslator*>()) delete translator;
        });
        QStringList faults;
        VisitEveryWindow([&](QWidget& top, const QString& where) {
            if (!top.isVisible() || qobject_cast<QMenu*>(&top) != nullptr) return;
            top.activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), &top);
            auto* pages = top.findChild<QStackedWidget*>();
            if (pages == nullptr) {
                faults << UnreachedBoxes(top, where);
                return;
            }
            auto* control = qobject_cast<PageControl*>(pages->parentWidget());
            QVERIFY(control != nullptr);
            for (int i = 0; i < pages->count(); ++i) {
                QWidget* page = pages->widget(i);
                control->setActivePage(page);
                faults << UnreachedBoxes(top, where + QLatin1Char(' ') + page->objectName());
            }
            // The merger names its file boxes anew for each layout.
            control->setActivePage(testing::Child(top, "shtLMerge"));
            for (const char* layout : {"RadioButton8", "RadioButton7"}) {
                testing::Child<QRadioButton>(top, layout)->click();
                faults << UnreachedBoxes(
                    top, where + QStringLiteral(" merger after ") + QString::fromLatin1(layout));
            }
        });
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
