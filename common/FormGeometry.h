#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

#include <vector>

// The forms are drawn in Designer at 15 twips a pixel (96 dots an inch); the
// program's positions are in twips, the window system's unit of the viewer's
// home platform.
namespace vt::form {

// twips = pixels * 1440 / logicalDpi of the widget's screen.
int twipsFromPixels(int pixels, const QWidget* widget);
int pixelsFromTwips(int twips, const QWidget* widget);

// A rectangle drawn at 96 dpi, at the logical dpi of the widget's screen.
QRect toScreen(const QRect& drawn, const QWidget* widget);

// Moves and sizes the direct children of container from the drawn 96 dpi
// to the screen's logical dpi; the container's own size is its parent's
// business.
void scaleToScreen(QWidget* container);

// Makes every caption of a container's controls fit: a label or button too
// small for its text grows (with the controls drawn in a column of the same
// width, or a row of the same height), and whatever it would then cover
// moves right or down with its column or row, keeping the gaps of the
// drawing. Record the drawing first, change what else has to change (a
// child that grew), then fit; fit() answers the size the container needs.
class Fitter {
  public:
    explicit Fitter(QWidget* container);
    QSize fit();

  private:
    struct Item {
        QWidget* widget;
        QRect drawn;
        QRect now;
    };
    bool resolveOnce();
    void shiftColumn(int drawnLeft, int dx);
    void shiftRow(int drawnTop, int dy);

    QWidget* m_container;
    QSize m_drawnSize;
    std::vector<Item> m_items;
};

} // namespace vt::form

namespace vt {

// A dialog drawn in Designer: its controls placed at the same twips on this
// screen, grown where their texts need it, and its size fixed.
void placeAtScreenDpi(QWidget& form);

} // namespace vt
