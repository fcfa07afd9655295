#include "app/Main.h"

#include "app/MainWindowTexts.h"
#include "app/frmMain.h"
#include "common/CursorBusyPointer.h"
#include "common/MessageBoxPrompter.h"
#include "common/PathText.h"
#include "common/Texts.h"
#include "companions/HelpViewer.h"
#include "platform/DesktopShellOpener.h"
#include "platform/DriveMap.h"
#include "platform/HostProgramStarter.h"
#include "platform/QtFileDialogs.h"
#include "platform/SingleInstance.h"
#include "settings/Settings.h"
#include "shortcuts/DesktopShortcuts.h"

#include <QApplication>
#include <QTimer>

namespace vt {

std::string appFolderFrom(std::string_view hostFolder) {
    return withTrailingBackslash(DriveMap::current().toWindows(hostFolder));
}

bool claimSingleInstance(SingleInstance& instance, Prompter& prompter) {
    if (instance.claim())
        return true;
    prompter.inform(std::string(texts::OneCopyStart) + std::string(ProgramTitle) +
                    std::string(texts::OneCopyEnd));
    return false;
}

std::string showFromArguments(const QStringList& arguments) {
    if (arguments.size() < 2)
        return {};
    return namedByUser(arguments.at(1).toStdString()).windows;
}

void openWhenShown(frmMain& window, const std::string& path) {
    QTimer::singleShot(0, &window, [&window, path] { window.openShow(path); });
}

int Main(QApplication& app) {
    MessageBoxPrompter prompter;
    SingleInstance instance;
    if (!claimSingleInstance(instance, prompter))
        return 0;
    CursorBusyPointer busy;
    busy.setHourglass();
    busy.processPending();

    const std::string appFolder =
        appFolderFrom(QCoreApplication::applicationDirPath().toStdString());
    const UtilityOptions options = LoadUtilityOptions();
    ProgramPaths paths = LoadProgramPaths();

    HelpViewer help(appFolder);
    HostProgramStarter starter;
    DesktopShellOpener shell(starter);
    QtFileDialogs dialogs(help);
    prompter.setHelp(&help);
    frmMain window({prompter, dialogs, busy, starter, shell, help, desktopShortcutHelpers()},
                   appFolder, options,
                   std::move(paths));
    prompter.setParentWindow(&window);
    dialogs.setParentWindow(&window);
    window.show();
    if (const std::string show = showFromArguments(QCoreApplication::arguments()); !show.empty()) {
        dialogs.remember(show);
        openWhenShown(window, show);
    }
    return app.exec();
}

} // namespace vt
