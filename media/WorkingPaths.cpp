#include "media/WorkingPaths.h"

#include "common/Numbers.h"
#include "common/PathText.h"
#include "common/Prompter.h"
#include "common/Texts.h"
#include "media/FolderLists.h"
#include "media/MediaTexts.h"

#include <array>

namespace vt {
namespace {

int replaceRow(std::vector<std::string>& rows, std::string_view oldPath, std::string_view newPath) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (equalsIgnoringCase(rows[i], oldPath)) {
            rows[i] = newPath;
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string invalidCharsMessage() {
    return joinedText({texts::InvalidCharsIntro, BlankLine, texts::InvalidCharsList, BlankLine,
                       texts::InvalidCharsHint});
}

} // namespace

// The prefix test ignores case; the replacement itself is exact, so an entry
// that begins with the old folder in other letters stays as it is. An empty
// old folder begins every entry but replaces nothing.
void replaceFolderIn(std::string& entry, std::string_view oldPath, std::string_view newPath) {
    if (oldPath.empty() || !startsWithIgnoringCase(entry, oldPath))
        return;
    const auto at = entry.find(oldPath);
    if (at != std::string::npos)
        entry.replace(at, oldPath.size(), newPath);
}

bool ValidatePathChars(std::string_view path) {
    constexpr std::array<std::string_view, 10> invalid = {"\"", "+", "?", ",", "*",
                                                          ";",  "=", ">", "<", ".."};
    for (std::string_view bad : invalid) {
        if (path.find(bad) != std::string_view::npos)
            return false;
    }
    return true;
}

NewPathCheck checkNewPath(std::string_view oldPath, std::string_view typed, Prompter& prompter) {
    if (typed.empty() || typed == oldPath)
        return {};
    if (!isAbsolute(typed)) {
        prompter.inform(std::string(texts::DriveOrFolderNeeded));
        return {NewPathCheck::Refused, {}};
    }
    if (!ValidatePathChars(typed)) {
        prompter.warn(invalidCharsMessage());
        return {NewPathCheck::Refused, {}};
    }
    return {NewPathCheck::Accepted, withTrailingBackslash(std::string(typed))};
}

WorkingPaths::WorkingPaths(const SlideShowModel& model)
    : ListSlide(FillSlidePaths(model)), ListTexture(FillTexturePaths(model)),
      ListSound(FillSoundPaths(model)), TextSound(model.MainSoundFile) {
    const auto slides = static_cast<std::size_t>(model.SlideCount);
    EditSlideFile.reserve(slides);
    EditSlideTexture.reserve(slides);
    EditSlideSound.reserve(slides);
    for (int i = 0; i < model.SlideCount; ++i) {
        const Slide& s = model.slide(i);
        EditSlideFile.push_back(s.SlideFile);
        EditSlideTexture.push_back(s.SlideTexture);
        EditSlideSound.push_back(s.SlideSound);
    }
    for (int i = 0; i < model.PlayListCount; ++i)
        EditPlayList.push_back(model.playList(i));
    EditPlayListAside = model.PlayListAside;
}

ReplacedRows WorkingPaths::ReplaceFolder(std::string_view oldPath, std::string_view newPath) {
    for (std::size_t i = 0; i < EditSlideFile.size(); ++i) {
        replaceFolderIn(EditSlideFile[i], oldPath, newPath);
        if (!EditSlideTexture[i].empty())
            replaceFolderIn(EditSlideTexture[i], oldPath, newPath);
        // A CD-audio track number is not a path.
        if (!EditSlideSound[i].empty() && !isNumber(EditSlideSound[i]))
            replaceFolderIn(EditSlideSound[i], oldPath, newPath);
    }
    for (std::string& entry : EditPlayList)
        replaceFolderIn(entry, oldPath, newPath);
    for (SetAsideEntry& entry : EditPlayListAside)
        replaceFolderIn(entry.path, oldPath, newPath);
    return {replaceRow(ListSlide, oldPath, newPath), replaceRow(ListTexture, oldPath, newPath),
            replaceRow(ListSound, oldPath, newPath)};
}

} // namespace vt
