#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vt {

using Integer = std::int16_t;
using Long = std::int32_t;

inline constexpr int MaxSlides = 30000;
inline constexpr int MaxPlayList = 1000;

// Length limits applied when a show is read; the model never holds a longer
// text that came from a file.
inline constexpr std::size_t ShowTextLimit = 400;
inline constexpr std::size_t SlideTextLimit = 200;
inline constexpr std::size_t PathLimit = 260;

// One slide, its fields in the order a slide record stands in the file.
struct Slide {
    std::string SlideFile;
    std::string SlideText;
    Integer SlideSetting1 = 0;
    std::string SlideSound; // a path, or a CD-audio track number
    Integer SlideSetting2 = 0;
    Integer SlideSetting3 = 0;
    Integer SlideSetting4 = 0;
    Integer SlideSetting5 = 0;
    Integer SlideSetting6 = 1;
    Integer SlideSetting7 = 0;
    Integer SlideSetting8 = 0;
    Long SlideSetting9 = 0;
    std::string SlideTexture;
    std::string SlideText2;

    bool operator==(const Slide&) const = default;
};

// A play list entry that reading left out because its file was not there.
// It is neither written nor counted; it waits beside the play list so that
// a search can find its file and put it back where it stood.
struct SetAsideEntry {
    int position = 0; // among all the play list's entries, those left out included
    std::string path; // absolute, as the entry would have been kept

    bool operator==(const SetAsideEntry&) const = default;
};

// The one in-memory slide show: the opened show followed by every appended
// one. The slide table has a slot more than it can hold slides, so the slot
// after the last slide always exists and has an empty SlideFile.
class SlideShowModel {
public:
    SlideShowModel();

    // Header, lines 3 to 23 of the file. The viewer's settings are carried
    // unchanged; only SoundMode and the paths mean something to us.
    Integer SoundMode = 0;
    std::string MainSoundFile;
    Integer ShowSetting1 = 0, ShowSetting2 = 0, ShowSetting3 = 0, ShowSetting4 = 0,
            ShowSetting5 = 0, ShowSetting6 = 0, ShowSetting7 = 0, ShowSetting8 = 0,
            ShowSetting9 = 0;
    std::string ShowText;
    Integer ShowSetting10 = 0, ShowSetting11 = 0, ShowSetting12 = 0, ShowSetting13 = 0;
    Integer ShowChoice = 0;
    bool ShowFlag1 = false;
    bool ShowFlag2 = false;
    bool ShowFlag3 = false;
    bool ShowFlag4 = false;
    std::string ShowText2;

    int SlideCount = 0;

    int PlayListCount = 0;
    bool PlayListPresent = false;
    bool PlayListFlag = false;
    std::string PlayListText1;
    std::string PlayListText2;
    // In position order; at most MaxPlayList of them, as only that many
    // could ever come back.
    std::vector<SetAsideEntry> PlayListAside;

    const Slide& slide(int index) const { return m_slides[static_cast<std::size_t>(index)]; }
    // A slot to fill or edit; 0 to MaxSlides.
    Slide& slot(int index);

    const std::string& playList(int index) const { return m_playList[static_cast<std::size_t>(index)]; }
    std::string& playListSlot(int index);

    // What opening a source show does before reading: every slot and the play
    // list back to their defaults. The header is overwritten line by line.
    void clearSlidesAndPlayList();

private:
    std::vector<Slide> m_slides;
    std::vector<std::string> m_playList;
    // Slots at or beyond these were never touched, so clearing can stop there.
    int m_slotsUsed = 0;
    int m_playListUsed = 0;
};

// The number of slides before the first slot whose SlideFile is empty.
int countSlides(const SlideShowModel& model);

} // namespace vt
