#pragma once

#include "patheditor/PathEditor.h"
#include "platform/DriveMap.h"
#include "slideshow/SlideShowModel.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vt::media {

// Where in the show an entry stands, in the order the file-name listing
// gives them.
enum class Section { MainSound, Slides, Textures, SlideSounds, PlayList };

enum class State { Found, Missing, NotMappable };

// One file the show needs.
struct MediaEntry {
    Section section = Section::Slides;
    int index = 0;        // slide or play-list position; 0 for the main sound file
    std::string path;     // Windows path, as the model holds it
    State state = State::Missing;
    std::string hostPath; // when found: the host file, letter case as on disk
};

// One row of the path editor's lists (or its main sound box) with what the
// check found for the entries under it.
struct FolderRowCheck {
    int box = 0;        // SlideBox, TextureBox, SoundBox or MainSoundBox (PathEditor.h)
    int row = 0;        // the row's position in its list; 0 for the main sound box
    std::string folder; // the row's text: a folder ending in a backslash, or the main sound file
    int files = 0;      // entries under the row
    int missing = 0;    // of them missing or not mappable
    std::vector<std::size_t> problems; // positions in MediaCheck::entries, in order
};

struct MediaCheck {
    std::vector<MediaEntry> entries;  // in listing order
    std::vector<FolderRowCheck> rows; // ListSlide, ListTexture, ListSound rows, then the main sound file
    int found = 0;
    int missing = 0;
    int notMappable = 0;

    bool allFound() const { return missing == 0 && notMappable == 0; }
};

// Checks every file the model refers to: the main sound file, the slide
// files, textures, slide sounds that are not CD-audio track numbers and the
// play list. Each distinct host folder is read once.
MediaCheck checkMedia(const SlideShowModel& model, const DriveMap& drives = DriveMap::current());
// The same over the path editor's working copies (and its main sound box),
// so its marks follow every change made before OK.
MediaCheck checkMedia(const PathEditor& editor, const DriveMap& drives = DriveMap::current());

// The row order of the check matches the path editor's lists; entries with an
// empty path (no main sound file, slide 0 of an empty show) are not checked.

} // namespace vt::media
