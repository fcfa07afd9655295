#pragma once

#include <QRect>
#include <QTabWidget>

namespace vt {

// A tab control whose pages' controls are placed relative to the whole
// control, tab strip included, as the forms are drawn.
class TabControl : public QTabWidget {
    Q_OBJECT
  public:
    using QTabWidget::QTabWidget;

    // Where the pages lie inside the control, as the style lays them out.
    QRect pageRect() const;

    // Sizes the pages and moves their controls from control-relative to
    // page-relative places, keeping them clear of the page's top edge.
    void placeOnPages();
};

} // namespace vt
