#include "window/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <functional>
#include <vector>

namespace pendara {

namespace {

bool IsControl(const QWidget& w) {
    const QWidget* parent = w.parentWidget();
    // The parts of Qt's own controls are named by those controls.
    if (qobject_cast<const QAbstractSpinBox*>(parent) || qobject_cast<const QComboBox*>(parent) ||
        qobject_cast<const QTabBar*>(parent) || qobject_cast<const QAbstractItemView*>(parent) ||
        qobject_cast<const QLineEdit*>(parent)) {
        return false;
    }
    return qobject_cast<const QLineEdit*>(&w) || qobject_cast<const QAbstractSpinBox*>(&w) ||
           qobject_cast<const QComboBox*>(&w) || qobject_cast<const QAbstractItemView*>(&w) ||
           qobject_cast<const QAbstractButton*>(&w) || qobject_cast<const QPlainTextEdit*>(&w) ||
           w.inherits("QsciScintillaBase");
}

// What a reader says the control is called; Qt falls back to the title of the group box around
// it, which names the group rather than the control and so does not count.
QString SpokenName(QWidget& w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&w);
    const QString name = face != nullptr ? face->text(QAccessible::Name).trimmed() : QString();
    for (QWidget* up = w.parentWidget(); up != nullptr; up = up->parentWidget()) {
        if (auto* group = qobject_cast<QGroupBox*>(up)) {
            if (name == QString(group->title()).remove(QLatin1Char('&')).trimmed()) return {};
            break;
        }
    }
    return name;
}

// A caption without a digit and with fewer than two letters ("...", "A") says nothing to a
// listener.
bool SaysLittle(const QString& caption) {
    qsizetype letters = 0;
    for (const QChar c : caption) letters += c.isLetter() ? 1 : c.isDigit() ? 2 : 0;
    return letters < 2;
}

// A free caption: a plain label that names no control yet.
QLabel* Caption(QLayoutItem* item) {
    auto* label = item != nullptr ? qobject_cast<QLabel*>(item->widget()) : nullptr;
    if (label == nullptr || label->buddy() != nullptr || label->text().trimmed().isEmpty())
        return nullptr;
    return label;
}

QLabel* CaptionInLayout(QWidget& control) {
    QWidget* parent = control.parentWidget();
    for (QLayout* layout : parent->findChildren<QLayout*>()) {
        const int index = layout->indexOf(&control);
        if (index < 0) continue;
        if (auto* form = qobject_cast<QFormLayout*>(layout)) {
            int row = 0;
            QFormLayout::ItemRole role{};
            form->getItemPosition(index, &row, &role);
            return Caption(form->itemAt(row, QFormLayout::LabelRole));
        }
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(index, &row, &column, &rows, &columns);
            if (column > 0) {
                if (QLabel* left = Caption(grid->itemAtPosition(row, column - 1))) return left;
            }
            return row > 0 ? Caption(grid->itemAtPosition(row - 1, column)) : nullptr;
        }
        return index > 0 ? Caption(layout->itemAt(index - 1)) : nullptr;
    }
    return nullptr;
}

QString CaptionText(const QWidget& w) {
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        return label->buddy() == nullptr ? label->text().trimmed() : QString();
    }
    // An option button, or the push button that takes the box's text ("Add [text]").
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
        return button->isCheckable() || qobject_cast<const QPushButton*>(button) != nullptr
                   ? button->text().trimmed()
                   : QString();
    }
    return {};
}

// In a hand-placed form: the label, check box or radio button on the control's row that ends
// nearest its left edge ("At Index [1]"), else the one that ends just above it and overlaps it
// sideways.
QWidget* CaptionByPlace(QWidget& control) {
    const QRect box = control.geometry();
    QWidget* best = nullptr;
    int bestGap = 0;
    for (QObject* sibling : control.parentWidget()->children()) {
        auto* label = qobject_cast<QWidget*>(sibling);
        if (label == nullptr || label == &control || label->isHidden() ||
            CaptionText(*label).isEmpty()) {
            continue;
        }
        const QRect place = label->geometry();
        const bool sameRow = place.top() <= box.center().y() && box.center().y() <= place.bottom();
        const int leftGap = box.left() - place.right();
        const int aboveGap = box.top() - place.bottom();
        const bool overlapsSideways = place.left() < box.right() && box.left() < place.right();
        int gap = -1;
        if (sameRow && leftGap >= 0 && leftGap < 120)
            gap = leftGap;
        else if (overlapsSideways && aboveGap >= 0 && aboveGap < 12)
            gap = 1000 + aboveGap;
        if (gap >= 0 && (best == nullptr || gap < bestGap)) {
            best = label;
            bestGap = gap;
        }
    }
    return best;
}

// The widget within which no two captions may share a mnemonic: a page of a stack, whose
// shortcuts work only while it shows, or else the window.
const QWidget* MnemonicScope(const QWidget& w) {
    for (const QWidget* at = &w; at != nullptr; at = at->parentWidget()) {
        if (at->isWindow() || qobject_cast<const QStackedWidget*>(at->parentWidget()) != nullptr)
            return at;
    }
    return nullptr;
}

QString CaptionOf(const QWidget& w) {
    if (const auto* label = qobject_cast<const QLabel*>(&w)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(&w)) return group->title();
    return {};
}

// The letter after a lone "&", lowered; none for a caption without one.
QChar MnemonicOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

// Whether `label` is a caption that names a box and still wants a mnemonic. A caption with
// "&&" shows data with ampersands; it is left as it is.
bool WantsMnemonic(const QLabel& label) {
    const QString text = label.text();
    return label.buddy() != nullptr && !text.contains(QLatin1Char('&')) &&
           !Qt::mightBeRichText(text);
}

// The letters of `text` a mnemonic may take, lowered, each once, in the order they stand.
QList<QChar> FreeLetters(const QString& text, const QSet<QChar>& taken) {
    QList<QChar> letters;
    for (const QChar c : text) {
        const QChar letter = c.toLower();
        if (c.isLetter() && !taken.contains(letter) && !letters.contains(letter)) letters << letter;
    }
    return letters;
}

void MarkMnemonic(QLabel& label, QChar letter) {
    const QString text = label.text();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isLetter() && text[i].toLower() == letter) {
            label.setText(text.left(i) + QLatin1Char('&') + text.mid(i));
            return;
        }
    }
}

// Gives as many of `labels` as can be a letter of their own that `taken` does not hold: each
// the first of its letters still free, or where none is, one that the label holding it can
// trade for another, as a short caption ("--at:") may need the letter a longer one ("--text:")
// took first. Returns the letters given.
QSet<QChar> GiveMnemonics(const QList<QLabel*>& labels, const QSet<QChar>& taken) {
    std::vector<QList<QChar>> choices;
    for (const QLabel* label : labels) choices.push_back(FreeLetters(label->text(), taken));
    QHash<QChar, std::size_t> owner;
    const std::function<bool(std::size_t, QSet<QChar>&)> place = [&](std::size_t i,
                                                                     QSet<QChar>& tried) {
        for (const QChar letter : choices[i]) {
            if (!owner.contains(letter)) {
                owner.insert(letter, i);
                return true;
            }
        }
        for (const QChar letter : choices[i]) {
            if (tried.contains(letter)) continue;
            tried.insert(letter);
            const auto held = owner.constFind(letter);
            if (held == owner.constEnd() || place(*held, tried)) {
                owner.insert(letter, i);
                return true;
            }
        }
        return false;
    };
    for (std::size_t i = 0; i < choices.size(); ++i) {
        QSet<QChar> tried;
        place(i, tried);
    }
    QSet<QChar> given;
    for (auto at = owner.constBegin(); at != owner.constEnd(); ++at) {
        MarkMnemonic(*labels[static_cast<qsizetype>(at.value())], at.key());
        given.insert(at.key());
    }
    return given;
}

// The mnemonics the captions below `root` (and `root` itself) have taken, by scope; `except`
// does not count.
QHash<const QWidget*, QSet<QChar>> TakenMnemonics(QWidget& root, const QWidget* except) {
    QHash<const QWidget*, QSet<QChar>> taken;
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (const QWidget* w : widgets) {
        if (w == except) continue;
        const QChar mnemonic = MnemonicOf(CaptionOf(*w));
        if (!mnemonic.isNull()) taken[MnemonicScope(*w)].insert(mnemonic);
    }
    return taken;
}

// Gives each caption label that names a box, and has no mnemonic yet, one of its letters no
// other caption of its page (or of the window around the pages) has taken. The window's own
// captions go first and keep clear of every page's letters.
void GiveCaptionsMnemonics(QWidget& root) {
    QHash<const QWidget*, QSet<QChar>> taken = TakenMnemonics(root, nullptr);
    QHash<const QWidget*, QList<QLabel*>> wanting;
    for (QLabel* label : root.findChildren<QLabel*>()) {
        if (WantsMnemonic(*label)) wanting[MnemonicScope(*label)] << label;
    }
    const QWidget* window = root.window();
    QSet<QChar> everywhere;
    for (const QSet<QChar>& letters : std::as_const(taken)) everywhere += letters;
    taken[window] += GiveMnemonics(wanting.value(window), everywhere);
    for (auto scope = wanting.constBegin(); scope != wanting.constEnd(); ++scope) {
        if (scope.key() != window)
            GiveMnemonics(scope.value(), taken.value(scope.key()) + taken.value(window));
    }
}

}  // namespace

void NameControlsForReaders(QWidget& root) {
    for (QWidget* control : root.findChildren<QWidget*>()) {
        if (!IsControl(*control)) continue;
        auto* button = qobject_cast<QAbstractButton*>(control);
        const bool terse = button != nullptr && control->accessibleName().isEmpty() &&
                           SaysLittle(button->text()) && !control->toolTip().isEmpty();
        if (!terse && !SpokenName(*control).isEmpty()) continue;
        QString name;
        // A button names itself by its caption; one that shows only an icon needs its tip.
        if (button == nullptr) {
            QWidget* caption = CaptionInLayout(*control);
            if (caption == nullptr) caption = CaptionByPlace(*control);
            const QString text = caption != nullptr ? CaptionText(*caption) : QString();
            if (auto* label = qobject_cast<QLabel*>(caption)) {
                label->setBuddy(control);
                if (!SpokenName(*control).isEmpty()) continue;
            }
            if (!text.isEmpty()) {
                // Lists take no name from a buddy, nor a box from the option button before it:
                // the caption without mnemonic and colon.
                name = QString(text).remove(QLatin1Char('&')).trimmed();
                if (name.endsWith(QLatin1Char(':'))) name.chop(1);
                name = name.trimmed();
            }
        }
        if (name.isEmpty()) name = control->toolTip();
        if (name.isEmpty()) {
            if (auto* line = qobject_cast<QLineEdit*>(control)) name = line->placeholderText();
        }
        if (!name.isEmpty()) control->setAccessibleName(name);
    }
    GiveCaptionsMnemonics(root);
}

void SetCaptionText(QLabel& caption, const QString& text) {
    caption.setText(text);
    if (!WantsMnemonic(caption)) return;
    const QHash<const QWidget*, QSet<QChar>> taken = TakenMnemonics(*caption.window(), &caption);
    GiveMnemonics({&caption}, taken.value(MnemonicScope(caption)) + taken.value(caption.window()));
}

}  // namespace pendara
