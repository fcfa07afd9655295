#include "platform/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace vt {

SingleInstance::SingleInstance(const QString& lockPath) : m_lock(lockPath) {
    // Only a dead owner makes the lock stale, never its age: the program
    // may run for days.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::claim() {
    return m_lock.isLocked() || m_lock.tryLock(0);
}

QString SingleInstance::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/vtutil.lock");
}

} // namespace vt
