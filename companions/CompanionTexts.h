#pragma once

#include <string_view>

// The family's programs and files, and what the companion and web commands
// say when they cannot open them.
namespace vt::companions {

// Programs of the family, in the viewer folder or in our own.
inline constexpr std::string_view ViewerProgram = "VTViewer.EXE";
inline constexpr std::string_view LauncherProgram = "VTLaunch.EXE";
inline constexpr std::string_view ThumbnailerProgram = "VTThumb.EXE";
inline constexpr std::string_view UtilityProgram = "VTUtil.EXE";

// Arguments of the viewer, each with its own leading blank.
inline constexpr std::string_view ShowArgument = " /SHOW";
inline constexpr std::string_view ThumbnailArgument = " /THUMBNAIL";
inline constexpr std::string_view AboutArgument = " ABOUT";

inline constexpr std::string_view ReadmeText = "README.TXT";
inline constexpr std::string_view ReadmePage = "README.HTM";

inline constexpr std::string_view ViewerFailed = "Unable to start Vantora.";
inline constexpr std::string_view EditorFailed =
    "Unable to start Vantora to open the Slide Show Editor.";
inline constexpr std::string_view BrowserFailed =
    "Unable to start Vantora to open the Thumbnail Browser.";
inline constexpr std::string_view ThumbnailerFailed = "Unable to start the Vantora Thumbnailer.";
inline constexpr std::string_view LauncherFailed = "Unable to start the Vantora Launcher.";
inline constexpr std::string_view ReadmeTextFailed =
    "Unable to start Notepad to view the README.TXT file.";
inline constexpr std::string_view AboutFailed = "Unable to start Vantora to show the About dialog.";
inline constexpr std::string_view ReadmePageFailed =
    "Unable to start your web browser to view the readme page:";

// The web: the maker's site, the product's site and its upgrade check.
inline constexpr std::string_view MakerHost = "www.tessel.example";
inline constexpr std::string_view ProductHost = "www.vantora.example";
inline constexpr std::string_view WebScheme = "http://";
inline constexpr std::string_view ProductPath = "/vantora/";
inline constexpr std::string_view UpgradePath = "/vantora/version/check.htm";
inline constexpr std::string_view UpgradeQuery = "?v=3.1.226";

inline constexpr std::string_view UpgradeQuestion =
    " can check the World Wide Web for a newer version of Vantora.";
inline constexpr std::string_view UpgradeNote = "NOTE:";
inline constexpr std::string_view UpgradeNeeds =
    "You must have a modem and a connection to the INTERNET for this feature to work.";
inline constexpr std::string_view UpgradeNow = "Check for upgrade now?";

inline constexpr std::string_view SiteFailed =
    "Unable to start your web browser to view the following web site:";
inline constexpr std::string_view UpgradeFailed =
    "Unable to start your web browser to view the Vantora \"version\" web page:";

} // namespace vt::companions
