#include "patheditor/PathEditor.h"

#include "common/BusyPointer.h"
#include "common/PathText.h"
#include "common/Prompter.h"
#include "patheditor/PathEditorTexts.h"
#include "slideshow/PlayListAside.h"

namespace vt {

PathEditor::PathEditor(const SlideShowModel& model)
    : WorkingPaths(model), TextSoundEnabled(!model.MainSoundFile.empty()) {}

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
