#include "app/proportional_scale.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QHeaderView>
#include <QLayout>
#include <QPointer>
#include <QRadioButton>
#include <QWidget>
#include <cmath>
#include <vector>

#include "main_list/scintilla.h"

namespace pendara {

namespace {

int Scaled(int value, double factor) { return static_cast<int>(std::lround(value * factor)); }

QSize Scaled(QSize size, double factor) {
    // The "no limit" size stays without limit.
    const auto one = [factor](int value) {
        return value >= QWIDGETSIZE_MAX ? value : Scaled(value, factor);
    };
    return {one(size.width()), one(size.height())};
}

// Scales the edges rather than the size, so controls that touched still touch.
QRect Scaled(const QRect& rect, double factor) {
    const int left = Scaled(rect.left(), factor);
    const int top = Scaled(rect.top(), factor);
    return {left, top, Scaled(rect.left() + rect.width(), factor) - left,
            Scaled(rect.top() + rect.height(), factor) - top};
}

QFont Scaled(QFont font, double factor) {
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, Scaled(font.pixelSize(), factor)));
    } else if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    }
    return font;
}

bool Holds(const QLayout& layout, const QWidget& widget) {
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (item->widget() == &widget) return true;
        if (item->layout() != nullptr && Holds(*item->layout(), widget)) return true;
    }
    return false;
}

void ScaleLayout(QLayout& layout, double factor) {
    const QMargins m = layout.contentsMargins();
    layout.setContentsMargins(Scaled(m.left(), factor), Scaled(m.top(), factor),
                              Scaled(m.right(), factor), Scaled(m.bottom(), factor));
    if (layout.spacing() > 0) layout.setSpacing(Scaled(layout.spacing(), factor));
    for (int i = 0; i < layout.count(); ++i) {
        if (QLayout* inner = layout.itemAt(i)->layout()) ScaleLayout(*inner, factor);
    }
}

// Whether the widget's own parent decides where it goes: a layout, a scroll area placing its
// bars and viewport, or a Qt widget's inner parts.
bool PlacedByParent(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    if (parent == nullptr) return true;
    if (widget.objectName().startsWith(QLatin1String("qt_"))) return true;
    if (qobject_cast<const QAbstractScrollArea*>(parent) != nullptr) return true;
    return parent->layout() != nullptr && Holds(*parent->layout(), widget);
}

// The defaults for sections still to come, and the widths the grid's own code already gave.
// Setting the default resizes every section, so their sizes are read first.
void ScaleHeader(QHeaderView& header, double factor) {
    std::vector<int> sizes(static_cast<std::size_t>(header.count()));
    for (int section = 0; section < header.count(); ++section) {
        sizes[static_cast<std::size_t>(section)] = header.sectionSize(section);
    }
    header.setMinimumSectionSize(std::max(1, Scaled(header.minimumSectionSize(), factor)));
    header.setDefaultSectionSize(Scaled(header.defaultSectionSize(), factor));
    for (int section = 0; section < header.count(); ++section) {
        if (header.isSectionHidden(section)) continue;
        header.resizeSection(section, Scaled(sizes[static_cast<std::size_t>(section)], factor));
    }
}

// The style draws check and radio marks at one size whatever the scale, so a shrunk caption
// beside one may no longer fit. Such a box grows to its caption where no neighbour is in the way.
void WidenToCaption(QAbstractButton& box) {
    const QWidget* parent = box.parentWidget();
    const int wanted = box.sizeHint().width();
    if (parent == nullptr || wanted <= box.width()) return;
    const QRect grown(box.x(), box.y(), wanted, box.height());
    for (const QObject* object : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(object);
        if (sibling == nullptr || sibling == &box || sibling->isWindow()) continue;
        if (!sibling->geometry().intersects(box.geometry()) &&
            sibling->geometry().intersects(grown)) {
            return;
        }
    }
    box.resize(wanted, box.height());
}

}  // namespace

void ScaleWidgetTree(QWidget& root, double factor) {
    if (factor == 1.0) return;
    struct Before {
        QPointer<QWidget> widget;
        QRect geometry;
        QFont font;
    };
    std::vector<Before> widgets{{&root, root.geometry(), root.font()}};
    for (QWidget* child : root.findChildren<QWidget*>()) {
        widgets.push_back({child, child->geometry(), child->font()});
    }

    root.setMinimumSize(Scaled(root.minimumSize(), factor));
    root.setMaximumSize(Scaled(root.maximumSize(), factor));
    root.resize(Scaled(root.size(), factor));
    if (root.layout() != nullptr) ScaleLayout(*root.layout(), factor);
    for (std::size_t i = 1; i < widgets.size(); ++i) {
        QWidget* widget = widgets[i].widget;
        if (widget == nullptr) continue;
        widget->setMinimumSize(Scaled(widget->minimumSize(), factor));
        widget->setMaximumSize(Scaled(widget->maximumSize(), factor));
        if (widget->layout() != nullptr) ScaleLayout(*widget->layout(), factor);
        if (!PlacedByParent(*widget)) widget->setGeometry(Scaled(widgets[i].geometry, factor));
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setIconSize(Scaled(button->iconSize(), factor));
        }
        if (auto* header = qobject_cast<QHeaderView*>(widget)) ScaleHeader(*header, factor);
    }

    // Fonts last and parents first: a font set on a parent reaches the children that inherit
    // it, so only fonts of their own still need setting.
    for (const Before& before : widgets) {
        QWidget* widget = before.widget;
        if (widget == nullptr) continue;
        const QFont wanted = Scaled(before.font, factor);
        if (widget->font() == wanted) continue;
        if (auto* editor = qobject_cast<QsciScintilla*>(widget)) {
            editor->setFont(wanted);  // the editor keeps the text's font in its styles
        } else {
            widget->setFont(wanted);
        }
    }
    for (const Before& before : widgets) {
        if (before.widget == nullptr || PlacedByParent(*before.widget)) continue;
        if (qobject_cast<QCheckBox*>(before.widget) || qobject_cast<QRadioButton*>(before.widget)) {
            WidenToCaption(*static_cast<QAbstractButton*>(before.widget.data()));
        }
    }
}

}  // namespace pendara
