#pragma once

#include <QObject>

class QMenuBar;

namespace vt {

// Where a control's access key is also a menu's (Alt+F for the File menu
// and for "Create Slide Show &File"), Qt would take turns between the two;
// the menu bar wins, as users of the viewer's home platform expect. Install
// it on the controls; the control stays reachable with Tab.
class MenuKeysWin : public QObject {
  public:
    explicit MenuKeysWin(QMenuBar* menuBar);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QMenuBar* m_menuBar;
};

} // namespace vt
