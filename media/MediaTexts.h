#pragma once

#include <string_view>

// The words the media check and the name search report with.
namespace vt::texts {

inline constexpr std::string_view SlideSection = "slide";
inline constexpr std::string_view TextureSection = "texture";
inline constexpr std::string_view MainSoundSection = "main sound";
inline constexpr std::string_view SlideSoundSection = "slide sound";
inline constexpr std::string_view PlayListSection = "play list";

inline constexpr std::string_view MissingState = "missing";
inline constexpr std::string_view NotMappableState = "not mappable";

inline constexpr std::string_view MissingPlayListEntries =
    "[PlayList] entries left out of the play list until their files are found:";

inline constexpr std::string_view NothingMissing = "Nothing is missing.";
inline constexpr std::string_view SearchFolderUnreadable =
    "The search folder does not exist or cannot be read:";

// The relink report.
inline constexpr std::string_view ListColumn = "List";
inline constexpr std::string_view OldFolderColumn = "Old folder";
inline constexpr std::string_view NewFolderColumn = "New folder";
inline constexpr std::string_view FoundColumn = "Found";
inline constexpr std::string_view StillMissingColumn = "Still missing";
inline constexpr std::string_view AmbiguousColumn = "Ambiguous";
inline constexpr std::string_view NotFound = "(not found)";
inline constexpr std::string_view AmbiguousBetween = " is ambiguous between:";
inline constexpr std::string_view SingleFiles = "Single files:";
inline constexpr std::string_view DryRun = "Dry run, nothing written: ";

// A typed folder the path rules refuse.
inline constexpr std::string_view DriveOrFolderNeeded =
    "Unable to modify file path, you must specify the drive and/or folder...";
inline constexpr std::string_view InvalidCharsIntro =
    "The path that was specified contains one or more of the following invalid characters:";
inline constexpr std::string_view InvalidCharsList = ".. <  > \" = ; * , ? +";
inline constexpr std::string_view InvalidCharsHint = "Enter a new path and then try again...";

} // namespace vt::texts
