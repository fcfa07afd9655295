#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QWidget>

#include <map>
#include <set>
#include <string>

// The access keys (Alt+letter) of a window, read from its real widgets.
namespace vt::test {

using Owners = std::map<std::string, std::set<std::string>>;

inline void addKey(Owners& owners, const QString& caption, const QString& owner) {
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (!key.isEmpty())
        owners[key.toString().toStdString()].insert(owner.toStdString());
}

// A control by its object name, or by its caption when it has none.
inline QString ownerName(const QObject* control, const QString& caption) {
    return control->objectName().isEmpty() ? caption : control->objectName();
}

// Every access key of a window and what it belongs to, read from the real
// widgets: buttons, labels of a control, tabs and the menu bar's menus.
inline Owners accessKeys(QWidget& window) {
    Owners owners;
    for (auto* button : window.findChildren<QAbstractButton*>())
        addKey(owners, button->text(), ownerName(button, button->text()));
    for (auto* label : window.findChildren<QLabel*>())
        if (label->buddy())
            addKey(owners, label->text(), ownerName(label->buddy(), label->text()));
    for (auto* tabs : window.findChildren<QTabBar*>())
        for (int i = 0; i < tabs->count(); ++i)
            addKey(owners, tabs->tabText(i), "tab " + tabs->tabText(i));
    for (auto* bar : window.findChildren<QMenuBar*>())
        for (QAction* menu : bar->actions())
            addKey(owners, menu->text(), menu->menu()->objectName());
    return owners;
}

// The keys that more than one control shares.
inline Owners shared(QWidget& window) {
    Owners owners = accessKeys(window);
    std::erase_if(owners, [](const auto& entry) { return entry.second.size() < 2; });
    return owners;
}

} // namespace vt::test
