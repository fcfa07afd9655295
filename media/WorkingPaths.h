#pragma once

#include "slideshow/SlideShowModel.h"

#include <string>
#include <string_view>
#include <vector>

namespace vt {

class Prompter;

// The boxes of the path editor: where a folder row or the main sound file is.
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

// What the user typed as a new folder, judged against the old path.
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

// Working copies of a show's path fields with the folder rows of the path
// editor's three lists and its main sound box: what the media check reads
// and the name search rewrites. The model changes only when the owner
// writes them back.
struct WorkingPaths {
    explicit WorkingPaths(const SlideShowModel& model);

    std::vector<std::string> ListSlide;
    std::vector<std::string> ListTexture;
    std::vector<std::string> ListSound;
    std::string TextSound;

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
};

} // namespace vt
