#pragma once

// The help topics the windows and file dialogs ask for; the help file gives
// each of its topics one of these numbers.
namespace vt::help {

inline constexpr int MainWindow = 10; // also the About box
inline constexpr int PathEditor = 450;
inline constexpr int ListingOptions = 460;
inline constexpr int OpenDialog = 470;
inline constexpr int AppendDialog = 480;
inline constexpr int CreateDialog = 500;
inline constexpr int CheckFolder = 520; // "Check Slide Shows in Folder..." and its folder dialogs
inline constexpr int PackDialog = 530; // the pack folder dialog and the pack window

} // namespace vt::help
