#include "shortcuts/ShortcutCommands.h"

#include "common/BusyPointer.h"
#include "common/PathText.h"
#include "common/Prompter.h"
#include "common/Texts.h"
#include "companions/CompanionTexts.h"
#include "platform/CommandLine.h"
#include "platform/FileSystem.h"
#include "settings/Settings.h"
#include "shortcuts/ShortcutTexts.h"

namespace vt {
namespace {

// The Windows program, or a build of it for this host beside it.
bool programIn(const std::string& folder, std::string_view program) {
    return files::fileExists(folder + std::string(program)) ||
           files::fileExists(folder + nativeProgramName(program));
}

} // namespace

using namespace shortcuts;

ShortcutCommands::ShortcutCommands(ShortcutHelperFactory makeHelper, BusyPointer& busy,
                                   Prompter& prompter, std::string appFolder,
                                   const ProgramPaths& paths,
                                   std::function<std::string()> viewerFolder)
    : m_makeHelper(std::move(makeHelper)), m_busy(busy), m_prompter(prompter),
      m_appFolder(std::move(appFolder)), m_paths(paths), m_viewerFolder(std::move(viewerFolder)) {}

void ShortcutCommands::CmdCreate1_Click() {
    createProgramShortcut(ViewerQuestion, companions::ViewerProgram, ViewerLink);
}

void ShortcutCommands::CmdCreate2_Click() {
    const std::string& image = m_paths.LastOpenedFile;
    if (image.empty() || image.back() == '\\')
        refuse(std::string(ImageUnknown));
    else
        createDocumentShortcut(ImageQuestion, image);
}

void ShortcutCommands::CmdCreate3_Click() {
    createProgramShortcut(LauncherQuestion, companions::LauncherProgram, LauncherLink);
}

// A show path that ends in a backslash is taken as it is: its link is named
// ".lnk" and it starts the folder.
void ShortcutCommands::CmdCreate4_Click() {
    const std::string& show = m_paths.LastSlideShow;
    if (show.empty())
        refuse(std::string(SlideShowUnknown) + std::string(BlankLine) +
               std::string(OpenSlideShowFirst));
    else
        createDocumentShortcut(SlideShowQuestion, show);
}

void ShortcutCommands::CmdCreate5_Click() {
    createProgramShortcut(ThumbnailerQuestion, companions::ThumbnailerProgram, ThumbnailerLink);
}

void ShortcutCommands::CmdCreate6_Click() {
    createProgramShortcut(UtilityQuestion, companions::UtilityProgram, UtilityLink);
}

void ShortcutCommands::createProgramShortcut(std::string_view question, std::string_view program,
                                             std::string_view linkName) {
    if (!m_prompter.askYesNo(std::string(question)))
        return;
    std::string folder = m_appFolder;
    if (!programIn(folder, program)) {
        const std::string viewer = m_viewerFolder ? m_viewerFolder() : std::string();
        if (!viewer.empty() && programIn(viewer, program))
            folder = viewer;
    }
    const std::string target = folder + std::string(program);
    create({std::string(linkName), target, folder, target});
}

void ShortcutCommands::createDocumentShortcut(std::string_view question,
                                              const std::string& document) {
    if (!m_prompter.askYesNo(std::string(question) + std::string(BlankLine) + document))
        return;
    create({std::string(fileNamePart(document)) + std::string(LinkExtension),
            document,
            std::string(folderPart(document)),
            {}});
}

void ShortcutCommands::refuse(std::string message) {
    m_prompter.inform(std::move(message));
    m_busy.processPending();
    m_busy.setDefault();
}

// The component lives for this one call; whatever it throws ends in one
// message, and the pointer always comes back.
void ShortcutCommands::create(const Shortcut& shortcut) {
    m_busy.setHourglass();
    m_busy.processPending();
    std::unique_ptr<ShortcutHelper> helper;
    bool troubled = false;
    try {
        helper = m_makeHelper ? m_makeHelper() : nullptr;
        troubled = !helper;
        if (helper)
            writeShortcut(*helper, shortcut);
    } catch (...) {
        troubled = true;
    }
    if (troubled)
        m_prompter.inform(std::string(ProgramTitle) + std::string(TroubleAdding));
    helper.reset();
    m_busy.processPending();
    m_busy.setDefault();
}

void ShortcutCommands::writeShortcut(ShortcutHelper& helper, Shortcut shortcut) {
    std::string desktop;
    if (helper.GetFolderPath(0, ShortcutHelper::Desktop, desktop) == 0) {
        m_prompter.warn(std::string(DesktopNotFound));
        return;
    }
    std::string linkPath = withTrailingBackslash(desktop) + shortcut.linkName;
    std::string arguments;
    std::int32_t iconIndex = 0;
    std::int32_t showCommand = 0;
    helper.CreateShortcut(linkPath, shortcut.target, shortcut.workingFolder, arguments,
                          shortcut.iconFile, iconIndex, showCommand);
    m_busy.processPending();
}

} // namespace vt
