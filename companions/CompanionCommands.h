#pragma once

#include "settings/Settings.h"

#include <functional>
#include <string>
#include <string_view>

namespace vt {

class BusyPointer;
class ProgramStarter;
class Prompter;
class ShellOpener;

// Reads the viewer's folder afresh for each command.
using ViewerFolderSource = std::function<std::string()>;

// Asks the desktop to open file; when it cannot, warns with failure, and the
// system's reason when there is one.
void openOrWarn(ShellOpener& shell, Prompter& prompter, std::string_view file,
                std::string_view folder, const std::string& failure);

// The menu commands that start the viewer's family of programs and show its
// readme files. The command lines are plain concatenations: a viewer folder
// with blanks is not quoted.
class CompanionCommands {
public:
    CompanionCommands(ProgramStarter& starter, ShellOpener& shell, BusyPointer& busy,
                      Prompter& prompter, std::string appFolder,
                      ViewerFolderSource viewerFolder = ViewerFolder);

    void mnuOpenVantora_Click();
    void mnuOpenSSEditor_Click();
    void mnuOpenThumbBrowser_Click();
    void mnuOpenThumbnailer_Click();
    void mnuOpenLauncher_Click();
    void mnuReadmeTxt_Click();
    void mnuAboutVTViewer_Click();
    void mnuReadmeHtm_Click();

private:
    // Starts before + viewer folder + after, unless another command is busy.
    void startWhenIdle(std::string_view before, std::string_view after, std::string_view failure);

    ProgramStarter& m_starter;
    ShellOpener& m_shell;
    BusyPointer& m_busy;
    Prompter& m_prompter;
    std::string m_appFolder;
    ViewerFolderSource m_viewerFolder;
};

} // namespace vt
