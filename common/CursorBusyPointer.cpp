#include "common/CursorBusyPointer.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace vt {

bool CursorBusyPointer::isDefault() const {
    return QGuiApplication::overrideCursor() == nullptr;
}

void CursorBusyPointer::setHourglass() {
    if (isDefault())
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void CursorBusyPointer::setDefault() {
    // Qt stacks override cursors; the program's pointer is one setting.
    while (!isDefault())
        QGuiApplication::restoreOverrideCursor();
}

void CursorBusyPointer::processPending() {
    QCoreApplication::processEvents();
}

} // namespace vt
