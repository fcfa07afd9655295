#pragma once

#include <string_view>

// The main window's own texts and the start-up message.
namespace vt::texts {

inline constexpr std::string_view OneCopyStart = "You can only run one copy of the ";
inline constexpr std::string_view OneCopyEnd = " at a time...";

inline constexpr std::string_view NotOpenedYet = "A file has not been opened yet.";
inline constexpr std::string_view PathsNotEdited = "No";
inline constexpr std::string_view PathsEdited = "Yes";
inline constexpr std::string_view NoVersionYet = "None";

inline constexpr std::string_view ScreenSaverFile = "Vantora Screen Saver.SCR";
inline constexpr std::string_view BonusFolder = "BONUS\\";

} // namespace vt::texts
