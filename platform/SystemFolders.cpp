#include "platform/SystemFolders.h"

#include "common/PathText.h"
#include "platform/DriveMap.h"
#include "platform/FileSystem.h"

#include <cstdlib>
#include <cstring>
#include <exception>

namespace vt {
namespace {

constexpr std::string_view WindowsFolder = "C:\\windows";
constexpr std::string_view SystemFolder = "C:\\windows\\system32";

// The callers' buffer, filled with spaces the way they prepare it.
constexpr std::uint32_t BufferSize = 260;

std::uint32_t copyAnswer(std::string_view text, char* buffer, std::uint32_t size) {
    const auto length = static_cast<std::uint32_t>(text.size());
    if (length + 1 > size)
        return length + 1;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return length;
}

std::uint32_t copyFolderIfThere(std::string_view folder, char* buffer, std::uint32_t size) {
    return files::folderExists(folder) ? copyAnswer(folder, buffer, size) : 0;
}

std::string hostTempFolder() {
    const char* tmpdir = std::getenv("TMPDIR");
    return tmpdir && tmpdir[0] == '/' ? tmpdir : "/tmp";
}

template <typename Call> FolderAnswer ask(Call call) {
    FolderAnswer answer{std::string(BufferSize, ' '), 0};
    answer.returned = call(answer.buffer.data());
    return answer;
}

std::string_view firstChars(const FolderAnswer& answer) {
    return std::string_view(answer.buffer).substr(0, answer.returned);
}

} // namespace

std::uint32_t GetWindowsDirectoryA(char* buffer, std::uint32_t size) {
    return copyFolderIfThere(WindowsFolder, buffer, size);
}

std::uint32_t GetSystemDirectoryA(char* buffer, std::uint32_t size) {
    return copyFolderIfThere(SystemFolder, buffer, size);
}

std::uint32_t GetTempPathA(std::uint32_t size, char* buffer) {
    const std::string folder =
        withTrailingBackslash(DriveMap::current().toWindows(hostTempFolder()));
    return copyAnswer(folder, buffer, size);
}

std::string windowsFolderFrom(const FolderAnswer& answer) {
    return withTrailingBackslash(std::string(firstChars(answer)));
}

std::string systemFolderFrom(const FolderAnswer& answer) {
    if (answer.returned == 0)
        return {};
    const std::string_view text = answer.buffer;
    return withTrailingBackslash(std::string(text.substr(0, text.find('\0'))));
}

std::string tempFolderFrom(const FolderAnswer& answer, std::string_view appFolder) {
    if (answer.returned == 0)
        return std::string(appFolder);
    return withTrailingBackslash(trimSpaces(firstChars(answer)));
}

std::string GetWindowsFolder() {
    return windowsFolderFrom(
        ask([](char* buffer) { return GetWindowsDirectoryA(buffer, BufferSize); }));
}

std::string GetSystemFolder() {
    return systemFolderFrom(
        ask([](char* buffer) { return GetSystemDirectoryA(buffer, BufferSize); }));
}

std::string GetTempFolder(std::string_view appFolder) {
    try {
        return tempFolderFrom(ask([](char* buffer) { return GetTempPathA(BufferSize, buffer); }),
                              appFolder);
    } catch (const std::exception&) {
        return std::string(appFolder);
    }
}

} // namespace vt
