#pragma once

#include "companions/HelpContexts.h"

#include <string_view>

// The words of the collection commands and of the window "Check Slide Shows
// in Folder...".
namespace vt::texts {

inline constexpr std::string_view ChangedSinceRead =
    "The slide show was changed on the disk after it was read, so it was not written:";
inline constexpr std::string_view NoBackup =
    "No backup of the slide show could be made, so it was not replaced:";
inline constexpr std::string_view NotReplaced = "The slide show could not be replaced:";
inline constexpr std::string_view NotSaved = "The fixed slide show could not be saved:";
inline constexpr std::string_view SameTarget =
    "Two slide shows would be saved under the same name; the second was not saved:";
inline constexpr std::string_view BackupSuffix = ".bak";

inline constexpr std::string_view NotThere = "There is no file or folder of this name:";
inline constexpr std::string_view FolderUnreadable = "This folder could not be read:";

// The per-show lines and the table of vtshow check and relink.
inline constexpr std::string_view CouldNotBeRead = "could not be read";
inline constexpr std::string_view AfterRelinking = " after relinking, ";
inline constexpr std::string_view NotChanged = "not changed";
inline constexpr std::string_view DryRunNotWritten = "not written (dry run)";
inline constexpr std::string_view NotWritten = "not written";
inline constexpr std::string_view WrittenTo = "written to ";
inline constexpr std::string_view ReplacedKeeping = "replaced, the old one kept as ";
inline constexpr std::string_view ShowColumn = "Show";
inline constexpr std::string_view SlidesColumn = "Slides";
inline constexpr std::string_view MissingColumn = "Missing";
inline constexpr std::string_view MissingBeforeColumn = "Missing before";
inline constexpr std::string_view MissingAfterColumn = "Missing after";
inline constexpr std::string_view WrittenToColumn = "Written to";
inline constexpr std::string_view TotalRow = "Total";
inline constexpr std::string_view NoShowsFound = "No slide shows were found.";

// The window.
inline constexpr int CheckFolderHelp = help::CheckFolder;
inline constexpr std::string_view CheckFolderChooseTitle =
    "Check Slide Shows in Folder - Folder to Check";
inline constexpr std::string_view SaveIntoTitle = "Save Fixed Shows - Folder to Save Into";
inline constexpr std::string_view ReadingStart = "Reading ";
inline constexpr std::string_view ReadingOf = " of ";
inline constexpr std::string_view ReadDone = "Slide shows read: ";
inline constexpr std::string_view ReadStopped = "Stopped; slide shows read: ";
inline constexpr std::string_view TotalShows = "Shows: ";
inline constexpr std::string_view TotalSlides = "    Slides: ";
inline constexpr std::string_view TotalMissing = "    Missing: ";
inline constexpr std::string_view TotalUnreadable = "    Could not be read: ";
inline constexpr std::string_view Unreadable = "could not be read";
inline constexpr std::string_view PendingStart = "Fixed, not saved yet: ";
inline constexpr std::string_view FixedTip = "Fixed, not saved yet.";
inline constexpr std::string_view NothingMissingInShows =
    "Every file the selected slide shows need is where they say it is; there is nothing to find.";
inline constexpr std::string_view SelectShowsFirst =
    "Select the slide shows whose missing files are to be found, then try again...";
inline constexpr std::string_view PreviewIntro =
    "The search found these folders and files for the selected slide shows. Tick the changes "
    "to make and press Apply; the slide shows on the disk change only when you then press "
    "Save Fixed Shows.";
inline constexpr std::string_view SavedStart = "Slide shows saved: ";
inline constexpr std::string_view SavedInPlaceHint =
    "Each old slide show is kept beside it as NAME.vts.bak (NAME.vts.2.bak when that name is "
    "taken, and so on).";
inline constexpr std::string_view SavedIntoStart = "They are in ";

} // namespace vt::texts
