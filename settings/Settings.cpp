#include "settings/Settings.h"

#include "common/Numbers.h"
#include "common/PathText.h"
#include "platform/ProfileFile.h"
#include "platform/RegistryStore.h"
#include "platform/UserFolders.h"
#include "settings/SettingsTexts.h"

#include <optional>

namespace vt {
namespace {

// What the viewer's own code reserves for a profile value.
constexpr std::uint32_t ValueBuffer = 260;

// A key's value with its spaces trimmed; nullopt when the key is absent or
// empty, which both mean "use the default".
std::optional<std::string> readKey(std::string_view section, std::string_view key,
                                   std::string_view file) {
    std::string buffer(ValueBuffer, ' ');
    const std::uint32_t count =
        GetPrivateProfileStringA(section, key, "", buffer.data(), ValueBuffer, file);
    if (count == 0)
        return std::nullopt;
    return trimSpaces(std::string_view(buffer).substr(0, count));
}

std::optional<std::int32_t> toPosition(const std::optional<std::string>& raw,
                                       std::int32_t absent) {
    if (!raw)
        return absent;
    const auto number = parseNumber(*raw);
    return number ? toInt32(*number) : std::nullopt;
}

// Only the one word flips a flag away from its default.
bool readFlag(std::string_view key, std::string_view file, bool byDefault) {
    const auto raw = readKey(texts::UtilitySection, key, file);
    const std::string_view flipsIt = byDefault ? texts::FalseUpper : texts::TrueUpper;
    return raw && upperCase(*raw) == flipsIt ? !byDefault : byDefault;
}

void writeKey(std::string_view key, std::string_view value, const std::string& file) {
    WritePrivateProfileStringA(texts::UtilitySection, key, value, file);
}

void writeFlag(std::string_view key, bool value, const std::string& file) {
    writeKey(key, value ? texts::TrueValue : texts::FalseValue, file);
}

} // namespace

std::string ViewerFolder() {
    return registry::GetSetting(texts::ViewerApplication, texts::SettingsSection,
                                texts::ExePathValue);
}

std::string RuntimeFolder() {
    return registry::GetSetting(texts::ViewerApplication, texts::RuntimeSection,
                                texts::ExePathValue);
}

// Without a viewer the options still need a home, and the folder we were
// started from is not it.
std::string PreferencesFile() {
    std::string folder = ViewerFolder();
    if (folder.empty())
        folder = userfolders::ownFolder(userfolders::configHome());
    return folder + std::string(texts::PreferencesFileName);
}

UtilityOptions LoadUtilityOptions() {
    const std::string file = PreferencesFile();
    UtilityOptions options;
    const auto x =
        toPosition(readKey(texts::UtilitySection, "UtilWinPosX", file), options.UtilWinPosX);
    const auto y =
        toPosition(readKey(texts::UtilitySection, "UtilWinPosY", file), options.UtilWinPosY);
    if (x && y) {
        // One bad position makes the pair meaningless: both fall back.
        options.UtilWinPosX = *x;
        options.UtilWinPosY = *y;
    }
    options.chkSlide = readFlag("chkSlide", file, true);
    options.chkTexture = readFlag("chkTexture", file, true);
    options.chkSound = readFlag("chkSound", file, true);
    options.chkPlayList = readFlag("chkPlayList", file, true);
    options.UseNotepad = readFlag("UseNotepad", file, false);
    options.SlideNumbers = readFlag("SlideNumbers", file, false);
    return options;
}

ProgramPaths LoadProgramPaths() {
    const std::string file = PreferencesFile();
    ProgramPaths paths;
    paths.LastOpenedFile = readKey(texts::ViewerSection, "LastOpenedFile", file).value_or("");
    paths.LastSlideShow = readKey(texts::ViewerSection, "LastSlideShow", file).value_or("");
    return paths;
}

void SaveUtilityOptions(const UtilityOptions& options) {
    // A failed write leaves the file as it was; there is nobody to tell at exit.
    const std::string file = PreferencesFile();
    if (ViewerFolder().empty()) {
        [[maybe_unused]] const Failure made =
            userfolders::makeFolders(userfolders::ownHostFolder(userfolders::configHome()));
    }
    writeKey("UtilWinPosX", std::to_string(options.UtilWinPosX), file);
    writeKey("UtilWinPosY", std::to_string(options.UtilWinPosY), file);
    writeFlag("chkSlide", options.chkSlide, file);
    writeFlag("chkTexture", options.chkTexture, file);
    writeFlag("chkSound", options.chkSound, file);
    writeFlag("chkPlayList", options.chkPlayList, file);
    writeFlag("UseNotepad", options.UseNotepad, file);
    writeFlag("SlideNumbers", options.SlideNumbers, file);
}

} // namespace vt
