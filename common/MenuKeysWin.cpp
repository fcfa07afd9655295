#include "common/MenuKeysWin.h"

#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QShortcutEvent>

namespace vt {

MenuKeysWin::MenuKeysWin(QMenuBar* menuBar) : QObject(menuBar), m_menuBar(menuBar) {}

bool MenuKeysWin::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Shortcut)
        return QObject::eventFilter(watched, event);
    const QKeySequence key = static_cast<QShortcutEvent*>(event)->key();
    for (QAction* menu : m_menuBar->actions()) {
        if (menu->isVisible() && QKeySequence::mnemonic(menu->text()) == key) {
            m_menuBar->setActiveAction(menu);
            return true;
        }
    }
    return false;
}

} // namespace vt
