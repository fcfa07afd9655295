#pragma once

#include <string_view>

// The names of the settings we share with the viewer, and the messages of the
// Program Configuration commands.
namespace vt::texts {

inline constexpr std::string_view ViewerApplication = "VTViewer";
inline constexpr std::string_view SettingsSection = "Settings";
inline constexpr std::string_view RuntimeSection = "Runtime";
inline constexpr std::string_view ExePathValue = "EXEPath";

inline constexpr std::string_view PreferencesFileName = "VANTORA.INI";
inline constexpr std::string_view UtilitySection = "Utility";
inline constexpr std::string_view ViewerSection = "Viewer";
inline constexpr std::string_view TrueValue = "True";
inline constexpr std::string_view FalseValue = "False";
inline constexpr std::string_view TrueUpper = "TRUE";
inline constexpr std::string_view FalseUpper = "FALSE";

inline constexpr std::string_view ResetQuestionStart = "This command will delete your:";
inline constexpr std::string_view ResetQuestionFile = "...preferences file.";
inline constexpr std::string_view ResetQuestionHint =
    "If you are not sure, press the CANCEL button...";
inline constexpr std::string_view UnableToDeletePreferences =
    "Unable to delete the preferences file.";

inline constexpr std::string_view NotepadCommand = "NOTEPAD.EXE ";
inline constexpr std::string_view UnableToStartNotepad =
    "Unable to start NOTEPAD.EXE to edit the VANTORA.INI file.";

} // namespace vt::texts
