#pragma once

#include <string_view>

// The file-name listing: its file, section headers, no-entry lines and
// messages.
namespace vt::texts {

inline constexpr int ListingOptionsHelp = 460;
inline constexpr std::string_view ListingFileName = "VTUtil.tmp";

inline constexpr std::string_view SlidesHeader = "*** Slide Show Image and/or Movie Files";
inline constexpr std::string_view TexturesHeader = "*** Slide Show Background Textures";
inline constexpr std::string_view MainSoundHeader = "*** Main Sound File";
inline constexpr std::string_view SlideSoundsHeader = "*** Sound Files for Each Slide";
inline constexpr std::string_view PlayListHeader = "*** Slide Show Play List";

inline constexpr std::string_view NoSlides = "No slides were read from the slide show file...";
inline constexpr std::string_view NoTextures = "There are no background textures specified...";
inline constexpr std::string_view NoMainSound = "No main sound file...";
inline constexpr std::string_view NoSlideSounds = "There are no sounds specified for each slide...";
inline constexpr std::string_view NoPlayList = "No sounds are in the Play List...";
inline constexpr std::string_view CdAudioTrack = "CD-Audio Track #";

inline constexpr std::string_view UnableToWriteListing =
    "Unable to create temporary file to hold slide show filenames.";
inline constexpr std::string_view Notepad = "NOTEPAD.EXE";
inline constexpr std::string_view Wordpad = "WORDPAD.EXE";
inline constexpr std::string_view UnableToStartStart = "Unable to start ";
inline constexpr std::string_view UnableToStartEnd = " to display the filenames.";

} // namespace vt::texts
