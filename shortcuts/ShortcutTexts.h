#pragma once

#include <string_view>

// What the shortcut commands ask and say.
namespace vt::shortcuts {

inline constexpr std::string_view ViewerQuestion = "Create a shortcut to Vantora on your desktop?";
inline constexpr std::string_view ImageQuestion =
    "Create a shortcut for the following image on your desktop?";
inline constexpr std::string_view LauncherQuestion =
    "Create a shortcut to the Vantora Launcher on your desktop?";
inline constexpr std::string_view SlideShowQuestion =
    "Create a shortcut for the following slide show on your desktop?";
inline constexpr std::string_view ThumbnailerQuestion =
    "Create a shortcut to the Vantora Thumbnailer on your desktop?";
inline constexpr std::string_view UtilityQuestion =
    "Create a shortcut to the Vantora Utility Module on your desktop?";

inline constexpr std::string_view ViewerLink = "Vantora.lnk";
inline constexpr std::string_view LauncherLink = "Vantora Launcher.lnk";
inline constexpr std::string_view ThumbnailerLink = "Vantora Thumbnailer.lnk";
inline constexpr std::string_view UtilityLink = "Vantora Utility Module.lnk";
inline constexpr std::string_view LinkExtension = ".lnk";

inline constexpr std::string_view ImageUnknown =
    "Unable to determine the image that was last opened...";
inline constexpr std::string_view SlideShowUnknown =
    "Unable to determine the slide show that was last opened.";
inline constexpr std::string_view OpenSlideShowFirst =
    "Open the slide show you would like to create a shortcut for and then try again...";
// clang-format off
inline constexpr std::string_view DesktopNotFound =
    "An error occurred while getting the path to your desktop folder, unable to create shortcut...";
// clang-format on
// Follows the program's title.
inline constexpr std::string_view TroubleAdding =
    " is having trouble adding the shortcut to your desktop...";

} // namespace vt::shortcuts
