#include "cli/Commands.h"

#include "cli/TerminalText.h"
#include "patheditor/PathEditor.h"
#include "slideshow/SlideShowCommands.h"

namespace vt::cli {

LoadedShows loadShows(const std::string& source, const std::vector<std::string>& appends,
                      Prompter& prompter) {
    LoadedShows shows;
    shows.source = windowsPath(source);
    openSlideShow(*shows.model, shows.source, prompter);
    for (const std::string& show : appends) {
        const std::string chosen = windowsPath(show);
        if (!shows.appended.hasRoom(prompter) ||
            !shows.appended.confirm(chosen, shows.source, prompter))
            continue;
        shows.appended.add(chosen);
        ReadAppendedSlideShow(*shows.model, chosen, prompter);
    }
    return shows;
}

bool relocate(SlideShowModel& model, const std::vector<std::string>& relocations,
              Prompter& prompter) {
    if (relocations.empty())
        return true;
    PathEditor editor(model);
    // Without a box to type it in, the main sound file moves like any entry.
    std::string mainSound = model.MainSoundFile;
    for (const std::string& relocation : relocations) {
        // A folder may hold "=", a new folder may not: the last one splits.
        const auto split = relocation.rfind('=');
        const std::string oldPath = fromTerminal(relocation.substr(0, split));
        const NewPathCheck check =
            checkNewPath(oldPath, fromTerminal(relocation.substr(split + 1)), prompter);
        if (check.outcome == NewPathCheck::Refused)
            return false;
        if (check.outcome != NewPathCheck::Accepted)
            continue;
        editor.ReplaceFolder(oldPath, check.newPath);
        replaceFolderIn(mainSound, oldPath, check.newPath);
    }
    editor.SaveWorkingCopies(model);
    model.MainSoundFile = mainSound;
    return true;
}

} // namespace vt::cli
