#include "patheditor/PathEditor.h"

#include "common/BusyPointer.h"
#include "common/Numbers.h"
#include "common/PathText.h"
#include "common/Prompter.h"
#include "common/Texts.h"
#include "patheditor/FolderLists.h"
#include "patheditor/PathEditorTexts.h"
#include "slideshow/PlayListAside.h"

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
    std::string text(texts::InvalidCharsIntro);
    text += BlankLine;
    text += texts::InvalidCharsList;
    text += BlankLine;
    text += texts::InvalidCharsHint;
    return text;
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

PathEditor::PathEditor(const SlideShowModel& model)
    : ListSlide(FillSlidePaths(model)), ListTexture(FillTexturePaths(model)),
      ListSound(FillSoundPaths(model)), TextSound(model.MainSoundFile),
      TextSoundEnabled(!model.MainSoundFile.empty()) {
    LoadWorkingCopies(model);
}

void PathEditor::LoadWorkingCopies(const SlideShowModel& model) {
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

void PathEditor::SaveWorkingCopies(SlideShowModel& model) const {
    for (std::size_t i = 0; i < EditSlideFile.size(); ++i) {
        Slide& s = model.slot(static_cast<int>(i));
        s.SlideFile = EditSlideFile[i];
        s.SlideTexture = EditSlideTexture[i];
        s.SlideSound = EditSlideSound[i];
    }
    for (std::size_t i = 0; i < EditPlayList.size(); ++i)
        model.playListSlot(static_cast<int>(i)) = EditPlayList[i];
    model.PlayListAside = EditPlayListAside;
    restoreFoundPlayList(model);
}

void PathEditor::commit(SlideShowModel& model) const {
    // An emptied box clears the main sound file; a disabled one leaves it.
    if (TextSoundEnabled)
        model.MainSoundFile = trimSpaces(TextSound);
    SaveWorkingCopies(model);
}

ReplacedRows PathEditor::ReplaceFolder(std::string_view oldPath, std::string_view newPath) {
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

const std::vector<std::string>* PathEditor::selectedList() const {
    switch (SelectedBox) {
    case SlideBox:
        return &ListSlide;
    case TextureBox:
        return &ListTexture;
    case SoundBox:
        return &ListSound;
    default:
        return nullptr;
    }
}

std::optional<std::string> PathEditor::oldPath(int selectedRow, Prompter& prompter) const {
    if (SelectedBox == MainSoundBox)
        return TextSound;
    const std::vector<std::string>* list = selectedList();
    if (!list || selectedRow < 0 || selectedRow >= static_cast<int>(list->size())) {
        prompter.inform(std::string(texts::SelectPathFirst));
        return std::nullopt;
    }
    return (*list)[static_cast<std::size_t>(selectedRow)];
}

std::optional<ReplacedRows> PathEditor::modify(int selectedRow, Prompter& prompter,
                                               BusyPointer& pointer) {
    if (!pointer.isDefault())
        return std::nullopt;
    const std::optional<std::string> old = oldPath(selectedRow, prompter);
    if (!old)
        return std::nullopt;
    const std::string typed =
        prompter.input(texts::ModifyPrompt, texts::ModifyTitle, *old, texts::PathEditorHelp);
    const NewPathCheck check = checkNewPath(*old, typed, prompter);
    if (check.outcome != NewPathCheck::Accepted)
        return std::nullopt;
    pointer.setHourglass();
    pointer.processPending();
    const ReplacedRows rows = ReplaceFolder(*old, check.newPath);
    pointer.setDefault();
    return rows;
}

} // namespace vt
