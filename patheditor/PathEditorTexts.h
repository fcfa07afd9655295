#pragma once

#include <string_view>

// The path editor's messages and its input box.
namespace vt::texts {

inline constexpr int PathEditorHelp = 450;

inline constexpr std::string_view SelectPathFirst =
    "Select the path you would like to edit and then try again...";
inline constexpr std::string_view DriveOrFolderNeeded =
    "Unable to modify file path, you must specify the drive and/or folder...";
inline constexpr std::string_view InvalidCharsIntro =
    "The path that was specified contains one or more of the following invalid characters:";
inline constexpr std::string_view InvalidCharsList = ".. <  > \" = ; * , ? +";
inline constexpr std::string_view InvalidCharsHint = "Enter a new path and then try again...";

inline constexpr std::string_view ModifyPrompt = "Enter a new path or modify the existing one:";
inline constexpr std::string_view ModifyTitle = "Modify Selected Path";

} // namespace vt::texts
