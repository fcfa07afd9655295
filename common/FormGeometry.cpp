#include "common/FormGeometry.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <vector>

namespace vt {
namespace {

constexpr int DesignDpi = 96;

int scaled(int designPixels, int dpi) {
    return (designPixels * dpi + DesignDpi / 2) / DesignDpi;
}

QRect scaled(const QRect& design, int dpiX, int dpiY) {
    return {scaled(design.x(), dpiX), scaled(design.y(), dpiY), scaled(design.width(), dpiX),
            scaled(design.height(), dpiY)};
}

bool showsText(const QWidget* control) {
    return qobject_cast<const QAbstractButton*>(control) || qobject_cast<const QLabel*>(control) ||
           qobject_cast<const QLineEdit*>(control);
}

struct Place {
    QWidget* control;
    QRect rect;
};

bool overlapRows(const QRect& a, const QRect& b) {
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

// A control that grows pushes the controls beside it to the right and all
// below it down, so that nothing comes to lie on top of another and rows
// stay rows.
void grow(std::vector<Place>& places, std::size_t i, QSize needed) {
    const QRect old = places[i].rect;
    const int dx = std::max(0, needed.width() - old.width());
    const int dy = std::max(0, needed.height() - old.height());
    for (Place& other : places) {
        if (dx > 0 && other.rect.left() > old.right() && overlapRows(other.rect, old))
            other.rect.translate(dx, 0);
        if (dy > 0 && other.rect.top() > old.bottom())
            other.rect.translate(0, dy);
    }
    places[i].rect.setSize(old.size() + QSize(dx, dy));
}

QRect bounds(const std::vector<Place>& places) {
    QRect all;
    for (const Place& place : places)
        all |= place.rect;
    return all;
}

} // namespace

void placeAtScreenDpi(QWidget& form) {
    const int dpiX = form.logicalDpiX();
    const int dpiY = form.logicalDpiY();
    std::vector<Place> places;
    for (QWidget* control : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        places.push_back({control, scaled(control->geometry(), dpiX, dpiY)});
    const QSize client = scaled(QRect(QPoint(0, 0), form.size()), dpiX, dpiY).size();
    const QRect designed = bounds(places);
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (showsText(places[i].control))
            grow(places, i, places[i].control->sizeHint());
    }
    for (const Place& place : places)
        place.control->setGeometry(place.rect);
    // The form keeps its margins around whatever grew.
    const QRect grown = bounds(places);
    form.setFixedSize(client +
                      QSize(grown.right() - designed.right(), grown.bottom() - designed.bottom()));
}

} // namespace vt
