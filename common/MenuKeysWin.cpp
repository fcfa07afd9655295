#include "common/MenuKeysWin.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcutEvent>
#include <QTabBar>

namespace vt {
namespace {

bool sameKey(const QString& caption, const QKeySequence& key) {
    return !caption.isEmpty() && QKeySequence::mnemonic(caption) == key;
}

// The control of the window that the key belongs to besides the menu: a
// tab, or a button that can take it.
struct KeyControl {
    QTabBar* tabs = nullptr;
    int tab = -1;
    QAbstractButton* button = nullptr;

    explicit operator bool() const { return tabs || button; }
};

KeyControl controlFor(QWidget* window, const QKeySequence& key) {
    for (QTabBar* tabs : window->findChildren<QTabBar*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->isVisible() && tabs->isTabEnabled(i) && sameKey(tabs->tabText(i), key))
                return {tabs, i, nullptr};
        }
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->isEnabled() && sameKey(button->text(), key))
            return {nullptr, -1, button};
    }
    return {};
}

} // namespace

MenuKeysWin::MenuKeysWin(QMenuBar* menuBar) : QObject(menuBar), m_menuBar(menuBar) {
    for (QAction* menu : m_menuBar->actions()) {
        if (menu->menu())
            menu->menu()->installEventFilter(this);
    }
}

bool MenuKeysWin::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        if (press->modifiers() == Qt::AltModifier &&
            passToControl(static_cast<QWidget*>(watched), press->key()))
            return true;
        return QObject::eventFilter(watched, event);
    }
    if (event->type() != QEvent::Shortcut)
        return QObject::eventFilter(watched, event);
    const QKeySequence key = static_cast<QShortcutEvent*>(event)->key();
    for (QAction* menu : m_menuBar->actions()) {
        if (menu->isVisible() && sameKey(menu->text(), key)) {
            m_menuBar->setActiveAction(menu);
            return true;
        }
    }
    return false;
}

// The open menu's own key again: the menu closes and the control has it.
// Alt on its own would close the menu first, so it is kept from one whose
// key a control shares.
bool MenuKeysWin::passToControl(QWidget* menu, int key) {
    const auto* popup = qobject_cast<QMenu*>(menu);
    if (!popup)
        return false;
    const QKeySequence sequence = QKeySequence::mnemonic(popup->menuAction()->text());
    const KeyControl control = controlFor(m_menuBar->window(), sequence);
    if (!control)
        return false;
    if (key == Qt::Key_Alt)
        return true;
    if (sequence != QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key))))
        return false;
    m_menuBar->setActiveAction(nullptr);
    menu->close();
    if (control.tabs) {
        control.tabs->setCurrentIndex(control.tab);
        control.tabs->setFocus(Qt::ShortcutFocusReason);
    } else {
        control.button->setFocus(Qt::ShortcutFocusReason);
    }
    return true;
}

} // namespace vt
