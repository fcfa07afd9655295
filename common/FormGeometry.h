#pragma once

class QWidget;

namespace vt {

// Forms are drawn in Designer at 96 dots per inch, where a pixel is 15
// twips. This places a form's controls at the same twips on the actual
// screen (twips = pixels * 1440 / logical DPI) and fixes the form's size. A
// button, label, box or line edit whose text needs more room than its twips
// give grows rather than cutting the text.
void placeAtScreenDpi(QWidget& form);

} // namespace vt
