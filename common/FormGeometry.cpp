#include "common/FormGeometry.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace vt::form {
namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double DrawnDpi = 96.0;

double logicalDpi(const QWidget* widget) {
    const QScreen* screen = widget->screen();
    return screen ? screen->logicalDotsPerInch() : DrawnDpi;
}

bool hasText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return !label->text().isEmpty();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return !button->text().isEmpty();
    return qobject_cast<const QLineEdit*>(widget) != nullptr;
}

// What a control needs to show its text whole. A list, and a label that
// gets its text later, can only be made tall enough for a line (and as tall
// as the others of its row).
QSize neededSize(const QWidget* widget, const QSize& now) {
    const QSize hint = widget->sizeHint();
    if (hasText(widget))
        return now.expandedTo(hint);
    if (qobject_cast<const QComboBox*>(widget))
        return {now.width(), std::max(now.height(), hint.height())};
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->pixmap().isNull())
        return {now.width(), std::max(now.height(), label->fontMetrics().lineSpacing())};
    return now;
}

bool rightOf(const QRect& b, const QRect& a) {
    return b.left() > a.right();
}
bool below(const QRect& b, const QRect& a) {
    return b.top() > a.bottom();
}

} // namespace

int twipsFromPixels(int pixels, const QWidget* widget) {
    return static_cast<int>(std::lround(pixels * TwipsPerInch / logicalDpi(widget)));
}

int pixelsFromTwips(int twips, const QWidget* widget) {
    return static_cast<int>(std::lround(twips * logicalDpi(widget) / TwipsPerInch));
}

QRect toScreen(const QRect& drawn, const QWidget* widget) {
    const double scale = logicalDpi(widget) / DrawnDpi;
    const auto scaled = [scale](int value) { return static_cast<int>(std::lround(value * scale)); };
    return {scaled(drawn.x()), scaled(drawn.y()), scaled(drawn.width()), scaled(drawn.height())};
}

void scaleToScreen(QWidget* container) {
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setGeometry(toScreen(child->geometry(), container));
}

Fitter::Fitter(QWidget* container) : m_container(container), m_drawnSize(container->size()) {
    const QRect whole = container->rect();
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child->geometry() == whole) // a background covers everything
            continue;
        m_items.push_back({child, child->geometry(), child->geometry()});
    }
}

QSize Fitter::fit() {
    QRect drawnBounds, bounds;
    for (Item& item : m_items) {
        item.now.setSize(neededSize(item.widget, item.widget->size()));
        drawnBounds |= item.drawn;
    }
    // Controls drawn as a column of equal width, or a row of equal height,
    // stay equal.
    for (Item& item : m_items) {
        for (const Item& other : m_items) {
            if (other.drawn.left() == item.drawn.left() &&
                other.drawn.width() == item.drawn.width())
                item.now.setWidth(std::max(item.now.width(), other.now.width()));
            if (other.drawn.top() == item.drawn.top() &&
                other.drawn.height() == item.drawn.height())
                item.now.setHeight(std::max(item.now.height(), other.now.height()));
        }
    }
    for (int round = 0; round < 1000 && resolveOnce(); ++round) {
    }
    for (Item& item : m_items) {
        item.widget->setGeometry(item.now);
        bounds |= item.now;
    }
    const QSize margins(m_drawnSize.width() - 1 - drawnBounds.right(),
                        m_drawnSize.height() - 1 - drawnBounds.bottom());
    return m_drawnSize.expandedTo(QSize(bounds.right() + 1, bounds.bottom() + 1) + margins);
}

// Pushes the first control found covering one that it did not cover in the
// drawing; false when nothing overlaps any more.
bool Fitter::resolveOnce() {
    for (const Item& a : m_items) {
        for (const Item& b : m_items) {
            if (&a == &b || !a.now.intersects(b.now) || a.drawn.intersects(b.drawn))
                continue;
            if (rightOf(b.drawn, a.drawn)) {
                const int gap = b.drawn.left() - a.drawn.right();
                shiftColumn(b.drawn.left(), a.now.right() + gap - b.now.left());
                return true;
            }
            if (below(b.drawn, a.drawn)) {
                const int gap = b.drawn.top() - a.drawn.bottom();
                shiftRow(b.drawn.top(), a.now.bottom() + gap - b.now.top());
                return true;
            }
        }
    }
    return false;
}

void Fitter::shiftColumn(int drawnLeft, int dx) {
    for (Item& item : m_items) {
        if (item.drawn.left() == drawnLeft)
            item.now.translate(dx, 0);
    }
}

void Fitter::shiftRow(int drawnTop, int dy) {
    for (Item& item : m_items) {
        if (item.drawn.top() == drawnTop)
            item.now.translate(0, dy);
    }
}

} // namespace vt::form

namespace vt {

void placeAtScreenDpi(QWidget& form) {
    form::scaleToScreen(&form);
    form.resize(form::toScreen(form.rect(), &form).size());
    form.setFixedSize(form::Fitter(&form).fit());
}

} // namespace vt
