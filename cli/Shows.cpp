#include "cli/Commands.h"

#include "cli/CliTexts.h"
#include "cli/ConsolePrompter.h"
#include "cli/Options.h"
#include "cli/TerminalText.h"
#include "common/CodePage.h"
#include "common/PathText.h"
#include "common/Texts.h"
#include "patheditor/PathEditor.h"
#include "platform/FileSystem.h"
#include "slideshow/SlideShowCommands.h"
#include "slideshow/SlideShowTexts.h"

namespace vt::cli {
namespace {

// The window's note about a full append list is a warning here: a show the
// user named is left out.
class AsWarning : public PassingPrompter {
  public:
    using PassingPrompter::PassingPrompter;
    Answer show(const Message& message) override {
        Message warning = message;
        warning.icon = Icon::Exclamation;
        return PassingPrompter::show(warning);
    }
};

// Only a regular file is read: a folder, a pipe or a device is named as such.
bool isReadable(const UserPath& path, ConsolePrompter& prompter) {
    const std::string kind = files::notRegularKind(path.host);
    if (kind.empty())
        return true;
    prompter.tell(Icon::Critical,
                  std::string(clitexts::NotRegularStart) + kind +
                      std::string(clitexts::NotRegularEnd),
                  path.host);
    return false;
}

// Reads the source (versionLine set) or an appended show; false when it could
// not be read whole.
bool readInto(LoadedShows& shows, const UserPath& path, const VersionLineSink* versionLine,
              ConsolePrompter& prompter) {
    if (!isReadable(path, prompter))
        return false;
    if (versionLine)
        return openSlideShow(*shows.model, path.windows, prompter, *versionLine);
    return ReadAppendedSlideShow(*shows.model, path.windows, prompter);
}

// How the append list knows a show: by its Windows path as the window does,
// or, where that has a '?' for a character the code page lacks, by the path
// itself, so that two such names are not taken for one.
std::string listedName(const UserPath& path) { return path.storable ? path.windows : path.host; }

} // namespace

LoadedShows loadShows(const std::string& source, const std::vector<std::string>& appends,
                      ConsolePrompter& prompter, const VersionLineSink& versionLine) {
    LoadedShows shows;
    shows.named.push_back(namedByUser(source));
    shows.source = shows.named.front().windows;
    shows.whole = readInto(shows, shows.named.front(), &versionLine, prompter);
    for (const std::string& show : appends) {
        const UserPath chosen = namedByUser(show);
        AsWarning full(prompter);
        if (!shows.appended.hasRoom(full) ||
            !shows.appended.confirm(listedName(chosen), listedName(shows.named.front()), prompter))
            continue;
        shows.appended.add(listedName(chosen));
        shows.named.push_back(chosen);
        shows.whole = readInto(shows, chosen, nullptr, prompter) && shows.whole;
    }
    return shows;
}

void addAppendOption(CommandOptions& options, std::vector<std::string>& appends) {
    options.values("--append", appends, "SHOW", "appends SHOW, as the window's Append does");
}

std::optional<UserPath> outputPath(const std::string& named, ConsolePrompter& prompter) {
    UserPath path = namedByUser(named);
    const std::string folder = path.host.substr(0, path.host.find_last_of('/') + 1);
    if (!files::isHostFolder(folder)) {
        prompter.tell(Icon::Critical, clitexts::NoOutputFolder, folder);
        return std::nullopt;
    }
    return path;
}

bool isAShowRead(const UserPath& target, const LoadedShows& shows, Prompter& prompter) {
    for (std::size_t i = 0; i < shows.named.size(); ++i) {
        if (files::sameUserFile(target, shows.named[i])) {
            prompter.inform(std::string(i == 0 ? texts::ReplaceSource : texts::ReplaceAppended));
            return true;
        }
    }
    return false;
}

bool mayWrite(const UserPath& target, const LoadedShows& shows, Prompter& prompter) {
    return !isAShowRead(target, shows, prompter) && mayReplace(target.windows, prompter);
}

namespace {

// Whether a row of the path editor, or its main sound file, begins with the folder.
bool anyRowUnder(const PathEditor& editor, std::string_view folder) {
    for (const auto* rows : {&editor.ListSlide, &editor.ListTexture, &editor.ListSound}) {
        for (const std::string& row : *rows) {
            if (startsWithIgnoringCase(row, folder))
                return true;
        }
    }
    return startsWithIgnoringCase(editor.TextSound, folder);
}

} // namespace

bool relocate(SlideShowModel& model, const std::vector<std::string>& relocations,
              ConsolePrompter& prompter) {
    if (relocations.empty())
        return true;
    PathEditor editor(model);
    // Without a box to type it in, the main sound file moves like any entry.
    std::string mainSound = model.MainSoundFile;
    for (const std::string& relocation : relocations) {
        // A folder may hold "=", a new folder may not: the last one splits.
        const auto split = relocation.rfind('=');
        const std::string typedNew = relocation.substr(split + 1);
        if (!codePageHolds(typedNew)) {
            prompter.tell(Icon::Exclamation, clitexts::NotStorable, typedNew);
            return false;
        }
        const std::string oldPath = fromTerminal(relocation.substr(0, split));
        const NewPathCheck check = checkNewPath(oldPath, fromTerminal(typedNew), prompter);
        if (check.outcome == NewPathCheck::Refused)
            return false;
        if (!anyRowUnder(editor, oldPath))
            prompter.tell(Icon::Exclamation, clitexts::RelocateMatchesNothing, relocation);
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
