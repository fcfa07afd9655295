#pragma once

#include "slideshow/SlideShowModel.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

class BusyPointer;
class Prompter;

// SelectedBox: the box that last received the focus.
inline constexpr int NoBox = -1;
inline constexpr int SlideBox = 0;     // ListSlide
inline constexpr int TextureBox = 1;   // ListTexture
inline constexpr int SoundBox = 2;     // ListSound
inline constexpr int MainSoundBox = 3; // TextSound

// Moves one path from the old folder to the new one when it begins with the
// old folder, ignoring case.
void replaceFolderIn(std::string& entry, std::string_view oldPath, std::string_view newPath);

// False when the text holds a character that no folder may hold here.
bool ValidatePathChars(std::string_view path);

// What the user typed into the Modify input box, judged against the old path.
struct NewPathCheck {
    enum Outcome { Accepted, Ignored, Refused };
    Outcome outcome = Ignored; // Ignored: nothing typed, or nothing changed
    std::string newPath;       // when accepted: ends in a backslash
};

// Judges typed text as the new folder for oldPath; a refusal has been told
// to the user.
NewPathCheck checkNewPath(std::string_view oldPath, std::string_view typed, Prompter& prompter);

// The list rows that a folder replacement rewrote; -1 where none.
struct ReplacedRows {
    int slide = -1;
    int texture = -1;
    int sound = -1;
};

// The path editor's state while it is open: the three folder lists, the main
// sound box and working copies of the model's path fields. The model changes
// only through commit.
class PathEditor {
  public:
    explicit PathEditor(const SlideShowModel& model);

    std::vector<std::string> ListSlide;
    std::vector<std::string> ListTexture;
    std::vector<std::string> ListSound;
    std::string TextSound;
    bool TextSoundEnabled = false;
    int SelectedBox = NoBox;

    std::vector<std::string> EditSlideFile;
    std::vector<std::string> EditSlideTexture;
    std::vector<std::string> EditSlideSound;
    std::vector<std::string> EditPlayList;
    // The play list entries reading left out, moved by folder changes like
    // the others; those whose files exist then go back into the play list.
    std::vector<SetAsideEntry> EditPlayListAside;

    // Replaces the old folder in every working copy entry that begins with it
    // (ignoring case), and the first row equal to it in each list.
    ReplacedRows ReplaceFolder(std::string_view oldPath, std::string_view newPath);

    // The Modify command. selectedRow is the selected row of the list that
    // SelectedBox names, -1 when none. nullopt when the command stopped.
    std::optional<ReplacedRows> modify(int selectedRow, Prompter& prompter, BusyPointer& pointer);

    // Writes the main sound box (when enabled) and the working copies back;
    // set-aside play list entries whose files are there now rejoin the play
    // list.
    void commit(SlideShowModel& model) const;
    void SaveWorkingCopies(SlideShowModel& model) const;

  private:
    void LoadWorkingCopies(const SlideShowModel& model);
    std::optional<std::string> oldPath(int selectedRow, Prompter& prompter) const;
    const std::vector<std::string>* selectedList() const;
};

} // namespace vt
