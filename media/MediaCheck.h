#pragma once

#include "media/WorkingPaths.h"
#include "platform/DriveMap.h"
#include "slideshow/SlideShowModel.h"

#include <cstddef>
#include <string>
#include <vector>

// Which of the files a show needs are on this machine.
namespace vt::media {

// Where in the show an entry stands, in the order the file-name listing
// gives them.
enum class Section { Slides, Textures, MainSound, SlideSounds, PlayList };

// "slide", "texture", "main sound", "slide sound", "play list".
std::string_view sectionName(Section section);

enum class State { Found, Missing, NotMappable };

inline constexpr std::size_t NoRow = static_cast<std::size_t>(-1);

// One file the show needs.
struct MediaEntry {
    Section section = Section::Slides;
    int index = 0;        // slide or play-list position; 0 for the main sound file
    std::string path;     // Windows path, as the model holds it
    State state = State::Missing;
    std::string hostPath; // when found: the host file, letter case as on disk
    std::size_t row = NoRow; // position in MediaCheck::rows; NoRow when no row holds its folder
    // A play list entry that reading set aside: its place in
    // WorkingPaths::EditPlayListAside (index is then its play list position);
    // -1 for every other entry.
    int setAside = -1;
};

// One row of the path editor's lists (or its main sound box) with what the
// check found for the entries under it.
struct FolderRowCheck {
    int box = 0;        // SlideBox, TextureBox, SoundBox or MainSoundBox (WorkingPaths.h)
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

// Checks every file the model refers to: the slide files, textures, the main
// sound file, slide sounds that are not CD-audio track numbers and the play
// list. Each distinct host folder is read once.
MediaCheck checkMedia(const SlideShowModel& model, const DriveMap& drives = DriveMap::current());
// The same over working copies (and the main sound box), so that the path
// editor's marks follow every change made before OK.
MediaCheck checkMedia(const WorkingPaths& paths, const DriveMap& drives = DriveMap::current());
// The same reading the folders through a cache that outlives one check, so
// that checking many shows reads each folder once.
class FolderCache;
MediaCheck checkMedia(const WorkingPaths& paths, FolderCache& folders,
                      const DriveMap& drives = DriveMap::current());

// The play list entries that reading set aside come after the play list;
// they count as missing until found.
//
// The row order of the check matches the path editor's lists, every row of
// them (a row may hold no entry once its files moved elsewhere); the main
// sound box comes last, only when it holds a file. Entries with an empty path
// (no main sound file, slide 0 of an empty show) are not checked. An entry
// counts under the row equal to its folder, ignoring case, or else under the
// row of its nearest enclosing folder: after Modify has moved a folder, its
// sub-folders' files count under the moved row.

} // namespace vt::media
