#pragma once

#include "media/WorkingPaths.h"
#include "slideshow/SlideShowModel.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

class BusyPointer;
class Prompter;

// The path editor's state while it is open: the three folder lists, the main
// sound box and working copies of the model's path fields. The model changes
// only through commit.
class PathEditor : public WorkingPaths {
  public:
    explicit PathEditor(const SlideShowModel& model);

    bool TextSoundEnabled = false;
    // SelectedBox: the box that last received the focus.
    int SelectedBox = NoBox;

    // The Modify command. selectedRow is the selected row of the list that
    // SelectedBox names, -1 when none. nullopt when the command stopped.
    std::optional<ReplacedRows> modify(int selectedRow, Prompter& prompter, BusyPointer& pointer);

    // Writes the main sound box (when enabled) and the working copies back;
    // set-aside play list entries whose files are there now rejoin the play
    // list.
    void commit(SlideShowModel& model) const;
    void SaveWorkingCopies(SlideShowModel& model) const;

  private:
    std::optional<std::string> oldPath(int selectedRow, Prompter& prompter) const;
    const std::vector<std::string>* selectedList() const;
};

} // namespace vt
