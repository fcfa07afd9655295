#pragma once

#include <string_view>

// The path editor's messages and its input box.
namespace vt::texts {

inline constexpr int PathEditorHelp = 450;

inline constexpr std::string_view SelectPathFirst =
    "Select the path you would like to edit and then try again...";
inline constexpr std::string_view ModifyPrompt = "Enter a new path or modify the existing one:";
inline constexpr std::string_view ModifyTitle = "Modify Selected Path";

// Find Missing Files: the marks, the search and its preview. Counts are
// written as "Label: 1,250" side by side, separated by Gap.
inline constexpr std::string_view Gap = "    ";
inline constexpr std::string_view CountFiles = "Files: ";
inline constexpr std::string_view CountFound = "Found: ";
inline constexpr std::string_view CountMissing = "Missing: ";
inline constexpr std::string_view CountNotMappable = "Not mappable: ";
inline constexpr std::string_view CountStillMissing = "Still missing: ";
inline constexpr std::string_view CountFolders = "Folders: ";
inline constexpr std::string_view CountUnreadable = "Unreadable folders skipped: ";
inline constexpr std::string_view CountLoops = "Link loops skipped: ";
inline constexpr std::string_view SearchedIn = "Searched: ";
inline constexpr std::string_view MoreMissing = "... and more: ";

inline constexpr std::string_view NothingMissing =
    "Every file this slide show needs is where the slide show says it is; there is nothing to "
    "find.";
inline constexpr std::string_view SearchFolderTitle = "Find Missing Files - Folder to Search";
inline constexpr std::string_view SearchFolderMissing = "The folder to search does not exist:";
inline constexpr std::string_view SearchFolderUnreadable = "The folder to search cannot be read:";
inline constexpr std::string_view SearchFolderHint = "Choose another folder and then try again...";
inline constexpr std::string_view NothingFound = "None of the missing files was found.";
inline constexpr std::string_view NothingFoundHint =
    "Search another folder, or change the paths with Modify Selected Path.";

inline constexpr std::string_view SearchProgressTitle = "Find Missing Files";
inline constexpr std::string_view SearchProgressStopping = "Stopping the search...";
inline constexpr std::string_view SearchProgressCancel = "&Cancel";

inline constexpr std::string_view AmbiguousTip =
    "Several folders hold as many of these files: choose one, and the row is ticked.";
inline constexpr std::string_view AmbiguousFileTip =
    "This file is in several places: choose one, and the row is ticked.";
inline constexpr std::string_view OneFileTip =
    "This file was found apart from the other files of its folder.";
inline constexpr std::string_view KeepFileTip =
    "This file is in its place; a ticked folder change would move it, so it keeps its path.";
inline constexpr std::string_view FolderNotFound = "(not found)";

} // namespace vt::texts
