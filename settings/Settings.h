#pragma once

#include <cstdint>
#include <string>

// The settings the program keeps: the viewer's registry values (read only),
// and the section "Utility" of the viewer's preferences file VANTORA.INI,
// read at start-up and written when the main window closes.
namespace vt {

struct UtilityOptions {
    std::int32_t UtilWinPosX = 2000; // twips
    std::int32_t UtilWinPosY = 2000;
    bool chkSlide = true;
    bool chkTexture = true;
    bool chkSound = true;
    bool chkPlayList = true;
    bool UseNotepad = false;
    bool SlideNumbers = false;

    bool operator==(const UtilityOptions&) const = default;
};

// What the viewer opened last (section "Viewer"), never written by us.
// LastSlideShow also takes the path of every show we create.
struct ProgramPaths {
    std::string LastOpenedFile;
    std::string LastSlideShow;
};

// "VTViewer"/"Settings"/"EXEPath": the viewer's folder, ending in a
// backslash; "" when absent. Read afresh on every call.
std::string ViewerFolder();
// "VTViewer"/"Runtime"/"EXEPath", shown only.
std::string RuntimeFolder();
// ViewerFolder() + "VANTORA.INI", a Windows path.
std::string PreferencesFile();

UtilityOptions LoadUtilityOptions();
ProgramPaths LoadProgramPaths();
void SaveUtilityOptions(const UtilityOptions& options);

} // namespace vt
