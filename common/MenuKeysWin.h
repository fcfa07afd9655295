#pragma once

#include <QObject>

class QMenuBar;
class QWidget;

namespace vt {

// Where a control's access key is also a menu's (Alt+F for the File menu
// and for "Create Slide Show &File"), Qt would take turns between the two;
// the menu bar wins, as users of the viewer's home platform expect. Install
// it on the controls. Pressed again while that menu is open, the key closes
// it and goes to the control, so that every access key reaches its control.
class MenuKeysWin : public QObject {
  public:
    explicit MenuKeysWin(QMenuBar* menuBar);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool passToControl(QWidget* menu, int key);

    QMenuBar* m_menuBar;
};

} // namespace vt
