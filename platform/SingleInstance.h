#pragma once

#include <QLockFile>
#include <QString>

namespace vt {

// One running copy per user: a lock file in the user's runtime folder. The
// lock names its owner's process, so a copy that crashed leaves nothing that
// keeps the next one out.
class SingleInstance {
  public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());

    // True when this process now holds the lock (taking over a dead owner's).
    bool claim();

    static QString defaultLockPath();

  private:
    QLockFile m_lock;
};

} // namespace vt
