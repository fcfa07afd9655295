#include "companions/CompanionCommands.h"

#include "common/BusyPointer.h"
#include "common/Prompter.h"
#include "common/Texts.h"
#include "companions/CompanionTexts.h"
#include "platform/ProgramStarter.h"
#include "platform/ShellOpen.h"
#include "settings/SettingsTexts.h"

namespace vt {

using namespace companions;

void openOrWarn(ShellOpener& shell, Prompter& prompter, std::string_view file,
                std::string_view folder, const std::string& failure) {
    const ShellResult result = shell.open(file, {}, folder);
    if (result.succeeded())
        return;
    prompter.warn(result.failure.empty() ? failure : failureText(failure, result.failure));
}

CompanionCommands::CompanionCommands(ProgramStarter& starter, ShellOpener& shell, BusyPointer& busy,
                                     Prompter& prompter, std::string appFolder,
                                     ViewerFolderSource viewerFolder)
    : m_starter(starter), m_shell(shell), m_busy(busy), m_prompter(prompter),
      m_appFolder(std::move(appFolder)), m_viewerFolder(std::move(viewerFolder)) {}

void CompanionCommands::mnuOpenVantora_Click() {
    startWhenIdle({}, ViewerProgram, ViewerFailed);
}

void CompanionCommands::mnuOpenSSEditor_Click() {
    startWhenIdle({}, std::string(ViewerProgram) + std::string(ShowArgument), EditorFailed);
}

void CompanionCommands::mnuOpenThumbBrowser_Click() {
    startWhenIdle({}, std::string(ViewerProgram) + std::string(ThumbnailArgument), BrowserFailed);
}

void CompanionCommands::mnuOpenThumbnailer_Click() {
    startWhenIdle({}, ThumbnailerProgram, ThumbnailerFailed);
}

void CompanionCommands::mnuOpenLauncher_Click() {
    startWhenIdle({}, LauncherProgram, LauncherFailed);
}

void CompanionCommands::mnuReadmeTxt_Click() {
    startWhenIdle(texts::NotepadCommand, ReadmeText, ReadmeTextFailed);
}

// Runs even while another command is busy; the message names the program
// it tried.
void CompanionCommands::mnuAboutVTViewer_Click() {
    const Failure failure =
        m_starter.start(m_viewerFolder() + std::string(ViewerProgram) + std::string(AboutArgument));
    if (!failure)
        return;
    m_prompter.fail(failureText(std::string(AboutFailed) + std::string(BlankLine) +
                                    m_viewerFolder() + std::string(ViewerProgram),
                                failure));
}

// The page opened is in the viewer folder; the message names the one in our
// own folder, as it always has.
void CompanionCommands::mnuReadmeHtm_Click() {
    openOrWarn(m_shell, m_prompter, m_viewerFolder() + std::string(ReadmePage), m_appFolder,
               std::string(ReadmePageFailed) + std::string(BlankLine) + m_appFolder +
                   std::string(ReadmePage));
}

void CompanionCommands::startWhenIdle(std::string_view before, std::string_view after,
                                      std::string_view failure) {
    if (!m_busy.isDefault())
        return;
    const std::string commandLine = std::string(before) + m_viewerFolder() + std::string(after);
    if (const Failure reason = m_starter.start(commandLine))
        m_prompter.fail(failureText(failure, reason));
}

} // namespace vt
