#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyleFactory>
#include <QTabWidget>
#include <QToolButton>

#include "app/every_window.h"
#include "main_list/scintilla.h"
#include "support/link_label.h"
#include "window/readable_colour.h"

using namespace pendara;
using pendara::testing::Child;
using pendara::testing::VisitEveryWindow;
using pendara::testing::WindowFixture;

namespace {

// Fusion's dark scheme as desktop themes give it.
QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    dark.setColor(QPalette::ToolTipBase, QColor(25, 25, 25));
    dark.setColor(QPalette::ToolTipText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::BrightText, Qt::red);
    dark.setColor(QPalette::Link, QColor(42, 130, 218));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, QColor(35, 35, 35));
    return dark;
}

// Whether `w` paints what lies behind its children; a style sheet's "background: transparent"
// does not.
bool PaintsItsBackground(QWidget& w) {
    w.ensurePolished();  // a style sheet's background reaches the palette here
    if (w.palette().color(w.backgroundRole()).alpha() == 0) return false;
    return w.isWindow() || w.autoFillBackground() || w.testAttribute(Qt::WA_StyledBackground);
}

// The colour most of `tabs`' page area shows: the frame the style fills around the pages.
QColor TabFrameColour(QTabWidget& tabs) {
    const QImage shot = tabs.grab().toImage();
    const QRect pages = tabs.findChild<QStackedWidget*>()->geometry();
    QHash<QRgb, int> count;
    for (int y = pages.top(); y <= pages.bottom(); ++y) {
        for (int x = pages.left(); x <= pages.right(); ++x) ++count[shot.pixel(x, y)];
    }
    QRgb most = 0;
    for (auto at = count.begin(); at != count.end(); ++at) {
        if (at.value() > count.value(most)) most = at.key();
    }
    return QColor::fromRgb(most);
}

// The colour a transparent control's text stands on: the first widget behind it that paints,
// which is an ancestor or a sibling placed under it (the header band under the title), or the
// frame of the tab widget whose page holds it.
QColor BackgroundBehind(const QWidget& w) {
    const QWidget* child = &w;
    for (QWidget* up = w.parentWidget(); up != nullptr; up = up->parentWidget()) {
        const QRect place(child->mapTo(up, QPoint(0, 0)), child->size());
        for (QObject* object : up->children()) {
            if (object == child) break;  // later siblings lie above it
            auto* sibling = qobject_cast<QWidget*>(object);
            if (sibling != nullptr && !sibling->isHidden() && PaintsItsBackground(*sibling) &&
                sibling->geometry().contains(place)) {
                return sibling->palette().color(sibling->backgroundRole());
            }
        }
        if (PaintsItsBackground(*up)) return up->palette().color(up->backgroundRole());
        if (qobject_cast<QStackedWidget*>(up) != nullptr) {
            if (auto* tabs = qobject_cast<QTabWidget*>(up->parentWidget()))
                return TabFrameColour(*tabs);
        }
        child = up;
    }
    return w.palette().color(QPalette::Window);
}

struct TextColours {
    QColor text;
    QColor background;
    QColor hint{};  // a box's placeholder hint as it shows, when it has one
};

// `colour` as it shows over `base`.
QColor Over(const QColor& colour, const QColor& base) {
    const double a = colour.alphaF();
    return QColor::fromRgbF(static_cast<float>(a * colour.redF() + (1 - a) * base.redF()),
                            static_cast<float>(a * colour.greenF() + (1 - a) * base.greenF()),
                            static_cast<float>(a * colour.blueF() + (1 - a) * base.blueF()));
}

// The colours a text control draws its text and background in, from the palette roles Fusion
// uses for it; nothing for a widget that shows no text of its own.
std::optional<TextColours> ColoursOf(QWidget& w) {
    w.ensurePolished();  // a style sheet's colours reach the palette here
    const QPalette& p = w.palette();
    if (w.inherits("QsciScintillaBase")) {
        auto& editor = static_cast<QsciScintillaBase&>(w);
        const auto colour = [&](unsigned message) {
            const long bgr = editor.SendScintilla(message, QsciScintillaBase::STYLE_DEFAULT);
            return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
        };
        return TextColours{colour(QsciScintillaBase::SCI_STYLEGETFORE),
                           colour(QsciScintillaBase::SCI_STYLEGETBACK)};
    }
    if (qobject_cast<QLineEdit*>(&w) || qobject_cast<QPlainTextEdit*>(&w) ||
        qobject_cast<QAbstractItemView*>(&w)) {
        TextColours colours{p.color(QPalette::Text), p.color(QPalette::Base)};
        const auto* line = qobject_cast<QLineEdit*>(&w);
        const auto* plain = qobject_cast<QPlainTextEdit*>(&w);
        if ((line != nullptr && !line->placeholderText().isEmpty()) ||
            (plain != nullptr && !plain->placeholderText().isEmpty())) {
            colours.hint = Over(p.color(QPalette::PlaceholderText), colours.background);
        }
        return colours;
    }
    if (auto* label = qobject_cast<QLabel*>(&w)) {
        if (label->text().trimmed().isEmpty()) return std::nullopt;
        return TextColours{p.color(QPalette::WindowText), PaintsItsBackground(w)
                                                              ? p.color(w.backgroundRole())
                                                              : BackgroundBehind(w)};
    }
    if (qobject_cast<QCheckBox*>(&w) || qobject_cast<QRadioButton*>(&w) ||
        qobject_cast<QGroupBox*>(&w)) {
        return TextColours{p.color(QPalette::WindowText), BackgroundBehind(w)};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
        if (button->text().trimmed().isEmpty()) return std::nullopt;
        auto* tool = qobject_cast<QToolButton*>(&w);
        // A flat tool button shows its caption on what lies behind it.
        const bool flat = (tool != nullptr && tool->autoRaise() && !tool->isChecked()) ||
                          p.color(QPalette::Button).alpha() == 0;
        return TextColours{p.color(QPalette::ButtonText),
                           flat ? BackgroundBehind(w) : p.color(QPalette::Button)};
    }
    return std::nullopt;
}

// The colours of every text `top` shows on some page, by widget.
QHash<QWidget*, TextColours> EveryTextsColours(QWidget& top) {
    QHash<QWidget*, TextColours> found;
    QList<QWidget*> widgets = top.findChildren<QWidget*>();
    widgets.prepend(&top);
    for (QWidget* w : widgets) {
        // Disabled controls are exempt from the contrast rule.
        if (!testing::ShowsOnSomePage(*w, top)) continue;
        if (!w->isEnabled() || qobject_cast<QAbstractSpinBox*>(w->parentWidget())) continue;
        if (const std::optional<TextColours> colours = ColoursOf(*w)) found.insert(w, *colours);
    }
    return found;
}

// The texts of `top` that do not reach 4.5:1 against their background.
QStringList PoorTexts(QWidget& top, const QString& where) {
    QStringList poor;
    const QHash<QWidget*, TextColours> texts = EveryTextsColours(top);
    for (auto text = texts.begin(); text != texts.end(); ++text) {
        // The version label's white on blue is fixed both ways by the design, and below 4.5:1
        // in every palette.
        if (text.key()->objectName() == QStringLiteral("Label6") &&
            text.key()->window() == top.window())
            continue;
        for (const QColor& shown : {text->text, text->hint}) {
            if (!shown.isValid()) continue;
            const double ratio = ContrastRatio(shown, text->background);
            if (ratio >= 4.5) continue;
            poor << QStringLiteral("%1: %2 %3 on %4, %5:1")
                        .arg(where, text.key()->objectName(), shown.name(), text->background.name())
                        .arg(ratio, 0, 'f', 1);
        }
    }
    return poor;
}

// PoorTexts of every page and dialog, each named once.
QStringList PoorTextsOfEveryWindow() {
    QStringList poor;
    VisitEveryWindow([&](QWidget& top, const QString& where) { poor << PoorTexts(top, where); });
    poor.removeDuplicates();
    return poor;
}

struct AppLook {
    QString style = QApplication::style()->name();
    QPalette palette = QApplication::palette();
    ~AppLook() {
        QApplication::setStyle(style);
        // Every colour as it was: roles not marked as set would come from the style instead.
        palette.setResolveMask(~QPalette::ResolveMask(0));
        QApplication::setPalette(palette);
    }
};

}  // namespace

class ContrastTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lightLookKeepsTheSpecifiedColours() {
        const AppLook look;
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(QApplication::style()->standardPalette());
        WindowFixture f;
        TPDFrm& window = f.make();
        window.show();
        const auto colours = [&](const char* name) { return *ColoursOf(*Child(window, name)); };
        QCOMPARE(colours("List2").text, QColor(Qt::black));
        QCOMPARE(colours("List2").background, QColor(Qt::white));
        QCOMPARE(colours("title").text, QColor(Qt::black));
        QCOMPARE(colours("title").background, QColor(Qt::white));
        QCOMPARE(colours("Label6").text, QColor(Qt::white));
        QCOMPARE(colours("Label6").background, QColor(63, 135, 224));
        for (LinkLabel* link : window.findChildren<LinkLabel*>())
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        TfrmPDAbout about(f.dialogs, &window);
        QCOMPARE(Child<QLabel>(about, "Label7")->palette().color(QPalette::WindowText),
                 QColor(0, 0, 255));
    }

    void everyTextReadsUnderADarkPalette() {
        const AppLook look;
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(DarkPalette());
        const QStringList poor = PoorTextsOfEveryWindow();
        QVERIFY2(poor.isEmpty(), qPrintable(poor.join(QLatin1Char('\n'))));
    }

    void everyTextReadsUnderTheDesktopsDarkTheme() {
        // The suite runs this once more under a desktop theme's dark scheme (qt6ct's), with the
        // palette and style the theme gives; under a light desktop there is nothing to check.
        if (QApplication::palette().color(QPalette::Window).lightness() >= 128)
            QSKIP("the desktop's theme is light");
        const QStringList poor = PoorTextsOfEveryWindow();
        QVERIFY2(poor.isEmpty(), qPrintable(poor.join(QLatin1Char('\n'))));
    }

    void aThemeSwitchWhileTheWindowsShowReachesEveryText() {
        const AppLook look;
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        const QPalette light = QApplication::style()->standardPalette();
        QApplication::setPalette(light);
        QStringList faults;
        VisitEveryWindow([&](QWidget& top, const QString& where) {
            const QHash<QWidget*, TextColours> lightLook = EveryTextsColours(top);
            // A desktop's switch arrives as an event; what it sets off may take a turn.
            QApplication::setPalette(DarkPalette());
            QCoreApplication::processEvents();
            faults << PoorTexts(top, where + QStringLiteral(", switched to dark"));
            QApplication::setPalette(light);
            QCoreApplication::processEvents();
            const QHash<QWidget*, TextColours> back = EveryTextsColours(top);
            for (auto was = lightLook.begin(); was != lightLook.end(); ++was) {
                const TextColours now = back.value(was.key());
                if (now.text == was->text && now.background == was->background &&
                    now.hint == was->hint)
                    continue;
                faults << QStringLiteral("%1, back to light: %2 %3 on %4, was %5 on %6")
                              .arg(where, was.key()->objectName(), now.text.name(),
                                   now.background.name(), was->text.name(), was->background.name());
            }
        });
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void fixedColoursShiftOnlyWhereTheyWouldNotRead() {
        QCOMPARE(ReadableOn(QColor(0, 0, 255), QColor(240, 240, 240)), QColor(0, 0, 255));
        QCOMPARE(ReadableOn(QColor(63, 135, 224), QColor(240, 240, 240)), QColor(63, 135, 224));
        // A dark background lightens the colour; a grey, on which even white stays below
        // 4.5:1, darkens it.
        for (const QColor background :
             {QColor(53, 53, 53), QColor(127, 127, 127), QColor(142, 142, 142)}) {
            for (const QColor wanted : {QColor(0, 0, 255), QColor(0, 128, 0)}) {
                const QColor shifted = ReadableOn(wanted, background);
                QVERIFY2(ContrastRatio(shifted, background) >= 4.5, qPrintable(shifted.name()));
                QCOMPARE(shifted.toHsl().hslHue(), wanted.toHsl().hslHue());
            }
        }
    }
};

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
