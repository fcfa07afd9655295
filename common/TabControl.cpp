#include "common/TabControl.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>

#include <algorithm>
#include <climits>

namespace vt {
namespace {

constexpr int TopMargin = 4;

} // namespace

QRect TabControl::pageRect() const {
    ensurePolished();
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
}

void TabControl::placeOnPages() {
    const QRect pages = pageRect();
    const QPoint origin = pages.topLeft();
    for (int i = 0; i < count(); ++i) {
        widget(i)->resize(pages.size());
        const auto controls = widget(i)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        int top = INT_MAX;
        for (QWidget* control : controls)
            top = std::min(top, control->y() - origin.y());
        const int down = top < TopMargin ? TopMargin - top : 0;
        for (QWidget* control : controls)
            control->move(control->pos() - origin + QPoint(0, down));
    }
}

} // namespace vt
