#include "window/readable_colour.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOption>
#include <QTabWidget>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace pendara {

namespace {

double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

constexpr double kReadable = 4.5;
// The lightness from which a background counts as the light look the fixed colours were chosen
// for: the light window and button colours of desktop themes lie above it, grey ones below.
constexpr int kLightLook = 200;

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& wanted, const QColor& background) {
    if (background.lightness() >= kLightLook || ContrastRatio(wanted, background) >= kReadable)
        return wanted;
    // Towards white in the colour's own hue; on a background of middle grey, where no light
    // colour reads, towards black.
    const QColor hsl = wanted.toHsl();
    for (const int step : {5, -5}) {
        QColor shade = hsl;
        for (int lightness = hsl.lightness(); 0 <= lightness && lightness <= 255;
             lightness += step) {
            shade.setHsl(hsl.hslHue(), hsl.hslSaturation(), lightness);
            if (ContrastRatio(shade, background) >= kReadable) return shade.toRgb();
        }
    }
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    return ContrastRatio(white, background) >= ContrastRatio(black, background) ? white : black;
}

namespace {

// The colour the style fills the frame around a tab widget's pages with, which is not the
// window's: Fusion lightens the button colour for it.
QColor TabFrameColour(const QTabWidget& tabs) {
    QStyleOptionTabWidgetFrame option;
    option.initFrom(&tabs);
    option.rect = QRect(0, 0, 32, 32);
    QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(tabs.palette().color(QPalette::Window));
    QPainter painter(&image);
    tabs.style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, &tabs);
    painter.end();
    return image.pixelColor(option.rect.center());
}

// The colour `widget`'s text stands on: a background it or a widget around it fills, the frame
// of the tab widget whose page holds it, else the window colour.
QColor Backdrop(const QWidget& widget) {
    for (const QWidget* at = &widget; at != nullptr && !at->isWindow(); at = at->parentWidget()) {
        if (at->autoFillBackground()) return at->palette().color(at->backgroundRole());
        const QWidget* pages = at->parentWidget();
        if (qobject_cast<const QStackedWidget*>(pages) != nullptr) {
            if (const auto* tabs = qobject_cast<const QTabWidget*>(pages->parentWidget()))
                return TabFrameColour(*tabs);
        }
    }
    return widget.palette().color(QPalette::Window);
}

void ApplyTextColour(QWidget& widget, const QColor& wanted) {
    QPalette palette = widget.palette();
    const QColor colour = ReadableOn(wanted, Backdrop(widget));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, colour);
    }
    widget.setPalette(palette);
}

// Works the colour out again whenever the widget's palette changes (its own change included,
// which finds the colour already right), and when it is polished or shown: a form puts a tab
// page into its tab widget only after the page's widgets are made. A palette change reaches
// the widgets of a window in no set order, so the widget may hear of it before the tab widget
// it stands on: it looks once more when the change is through.
class TextColourKeeper : public QObject {
public:
    TextColourKeeper(QWidget& widget, const QColor& wanted)
        : QObject(&widget), widget_(widget), wanted_(wanted) {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (applying_ ||
            (type != QEvent::PaletteChange && type != QEvent::Polish && type != QEvent::Show)) {
            return false;
        }
        keepReadable();
        if (type == QEvent::PaletteChange && !queued_) {
            queued_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    queued_ = false;
                    keepReadable();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    void keepReadable() {
        if (widget_.palette().color(QPalette::WindowText) == ReadableOn(wanted_, Backdrop(widget_)))
            return;
        applying_ = true;
        ApplyTextColour(widget_, wanted_);
        applying_ = false;
    }

    QWidget& widget_;
    QColor wanted_;
    bool applying_ = false;
    bool queued_ = false;
};

// Hands a change of the application's palette on to every window, which then passes it down
// to its widgets. Qt 6.4 tells only the application, so the windows open at the time kept the
// palette they were built with; and a widget with a style sheet keeps the palette its sheet
// was worked out against until the sheet is set again.
// `colour` as it shows over `base`, its alpha taken into account.
QColor Over(const QColor& colour, const QColor& base) {
    const double a = colour.alphaF();
    const auto mix = [a](int top, int under) {
        return static_cast<int>(std::lround(a * top + (1 - a) * under));
    };
    return QColor(mix(colour.red(), base.red()), mix(colour.green(), base.green()),
                  mix(colour.blue(), base.blue()));
}

// Gives a box's placeholder hint a colour that reads, where the palette's does not: Qt draws
// hints as the text colour at half strength, about 4:1 on white and less on dark themes. The
// hint stays fainter than the text: the palest mix of text into base that reaches 4.5:1.
void KeepPlaceholderReadable(QWidget& box) {
    QPalette palette = box.palette();
    bool changed = false;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor base = palette.color(group, QPalette::Base);
        if (ContrastRatio(Over(palette.color(group, QPalette::PlaceholderText), base), base) >=
            kReadable) {
            continue;
        }
        QColor hint = palette.color(group, QPalette::Text);
        for (int percent = 50; percent < 100; percent += 5) {
            QColor mix = hint;
            mix.setAlphaF(percent / 100.0);
            if (ContrastRatio(Over(mix, base), base) >= kReadable) {
                hint = Over(mix, base);
                break;
            }
        }
        palette.setColor(group, QPalette::PlaceholderText, hint);
        changed = true;
    }
    if (changed) box.setPalette(palette);
}

class PaletteRelay : public QObject {
public:
    PaletteRelay() : QObject(qApp) {
        setObjectName(QStringLiteral("paletteRelay"));
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Polish || type == QEvent::PaletteChange) &&
            (qobject_cast<QLineEdit*>(watched) != nullptr ||
             qobject_cast<QPlainTextEdit*>(watched) != nullptr)) {
            // Its own change finds the hint readable already.
            KeepPlaceholderReadable(static_cast<QWidget&>(*watched));
        }
        if (watched == qApp && type == QEvent::ApplicationPaletteChange) {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                QEvent change(QEvent::ApplicationPaletteChange);
                QCoreApplication::sendEvent(window, &change);
            }
            for (QWidget* widget : QApplication::allWidgets()) {
                if (!widget->styleSheet().isEmpty()) widget->setStyleSheet(widget->styleSheet());
            }
        }
        return false;
    }
};

}  // namespace

void SetTextColour(QWidget& widget, const QColor& wanted) {
    ApplyTextColour(widget, wanted);
    new TextColourKeeper(widget, wanted);
}

void FollowApplicationPalette() {
    if (qApp->findChild<QObject*>(QStringLiteral("paletteRelay"), Qt::FindDirectChildrenOnly))
        return;
    new PaletteRelay;
}

}  // namespace pendara
