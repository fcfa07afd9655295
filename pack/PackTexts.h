#pragma once

#include <string_view>

// Packing a show into one folder: the window's menu item and dialogs, and
// every message of the pack, for the window and vtshow alike.
namespace vt::texts {

inline constexpr std::string_view PackMenuItem = "&Pack Slide Show...";
inline constexpr std::string_view PackFolderTitle = "Select the folder to pack the slide show into";

// Folder and file names the pack makes up.
inline constexpr std::string_view DriveFolderStart = "Drive ";
inline constexpr std::string_view ShowExtension = ".vts";

// Before anything is written.
inline constexpr std::string_view PackFolderUnreachable =
    "This folder cannot be reached on this computer:";
inline constexpr std::string_view PackFolderIsAFile =
    "A file, not a folder, already has the name of the folder to pack into:";
inline constexpr std::string_view PackFolderNotEmptyStart = "The folder ";
inline constexpr std::string_view PackFolderNotEmptyEnd =
    " is not empty.\r\n\r\nPack the slide show into it anyway? Nothing that it holds now will be "
    "replaced.";
inline constexpr std::string_view PackShowExistsStart = "The folder ";
inline constexpr std::string_view PackShowExistsMiddle = " already holds a file named ";
inline constexpr std::string_view PackShowExistsEnd =
    ".\r\n\r\nNothing was packed. Choose another folder, or move that file away first.";
inline constexpr std::string_view PackPathsTooLong =
    "Nothing was packed: these files would get paths longer than a slide show file can hold "
    "(260 characters, counted from the packed folder):";

// While and after copying.
inline constexpr std::string_view PackProgressTitle = "Packing Slide Show";
inline constexpr std::string_view PackProgressCopying = "Copying the slide show's files into:";
inline constexpr std::string_view PackProgressFilesStart = "Files: ";
inline constexpr std::string_view PackProgressBytesStart = "Size: ";
inline constexpr std::string_view PackProgressOf = " of ";
inline constexpr std::string_view PackProgressCancelling = "Cancelling...";
inline constexpr std::string_view PackCancel = "Cancel";

inline constexpr std::string_view PackDoneStart = "The slide show has been packed into ";
inline constexpr std::string_view PackDoneMiddle = " as ";
inline constexpr std::string_view PackFilesCopied = "Files copied: ";
inline constexpr std::string_view PackFilesMissing = "Files missing: ";
inline constexpr std::string_view PackNamesChanged = "Names changed: ";
inline constexpr std::string_view PackMissingList =
    "These files were not found; their slides keep the old paths:";
inline constexpr std::string_view PackRenamedList =
    "These names were changed, as Windows cannot hold them as they were:";
inline constexpr std::string_view PackRenameArrow = "  ->  ";
inline constexpr std::string_view PackMoreStart = "... and ";
inline constexpr std::string_view PackMoreEnd = " more";

inline constexpr std::string_view PackCancelled =
    "Packing was cancelled. Everything it had written has been removed.";
inline constexpr std::string_view PackFailedStart = "The slide show could not be packed into ";
inline constexpr std::string_view PackFailedEnd =
    ". Everything the pack had written has been removed; the slide show and its files are "
    "unchanged.";
inline constexpr std::string_view PackCreateFolderFailed = "Unable to create the folder ";
inline constexpr std::string_view PackCopyFailed = "Unable to copy ";
inline constexpr std::string_view PackWriteShowFailed = "Unable to write the slide show file ";

// Sizes.
inline constexpr std::string_view Bytes = " bytes";
inline constexpr std::string_view OneByte = "1 byte";

} // namespace vt::texts
