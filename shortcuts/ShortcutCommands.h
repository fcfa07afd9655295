#pragma once

#include "shortcuts/ShortcutHelper.h"

#include <functional>

#include <string>
#include <string_view>

namespace vt {

class BusyPointer;
class Prompter;
struct ProgramPaths;

// The six buttons that put shortcuts on the desktop: four to the family's
// programs in our own folder (or, where ours has no copy, as on Linux, the
// viewer's folder), two to what the viewer opened last.
class ShortcutCommands {
public:
    // paths is read at each click: the last slide show changes as shows are
    // created.
    // viewerFolder is read afresh at each click.
    ShortcutCommands(ShortcutHelperFactory makeHelper, BusyPointer& busy, Prompter& prompter,
                     std::string appFolder, const ProgramPaths& paths,
                     std::function<std::string()> viewerFolder);

    void CmdCreate1_Click();
    void CmdCreate2_Click();
    void CmdCreate3_Click();
    void CmdCreate4_Click();
    void CmdCreate5_Click();
    void CmdCreate6_Click();

private:
    // What goes to the component, besides the desktop folder.
    struct Shortcut {
        std::string linkName, target, workingFolder, iconFile;
    };

    void createProgramShortcut(std::string_view question, std::string_view program,
                               std::string_view linkName);
    void createDocumentShortcut(std::string_view question, const std::string& document);
    void refuse(std::string message);
    void create(const Shortcut& shortcut);
    void writeShortcut(ShortcutHelper& helper, Shortcut shortcut);

    ShortcutHelperFactory m_makeHelper;
    BusyPointer& m_busy;
    Prompter& m_prompter;
    std::string m_appFolder;
    const ProgramPaths& m_paths;
    std::function<std::string()> m_viewerFolder;
};

} // namespace vt
