#include "shortcuts/DesktopShortcuts.h"

#include "shortcuts/DesktopEntry.h"

#include <QStandardPaths>

namespace vt {

ShortcutHelperFactory desktopShortcutHelpers() {
    return []() -> std::unique_ptr<ShortcutHelper> {
        const QByteArray desktop =
            QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toUtf8();
        return std::make_unique<DesktopEntryShortcutHelper>(desktop.toStdString(),
                                                            ProgramSearch::fromEnvironment());
    };
}

} // namespace vt
