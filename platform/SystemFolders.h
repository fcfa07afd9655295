#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The Windows, system and temporary folders, as the Program Configuration
// tab shows them. The three queries read their answers in three different
// ways, and each way shows on screen, so each is kept apart.
namespace vt {

// The Windows calls' stand-ins. Each copies a Windows path and a NUL into
// buffer and returns its length; when the buffer is too small it returns the
// size needed instead and leaves the buffer alone; 0 when there is no such
// folder. The Windows folder and the system folder exist only when drive C:
// holds windows\ and windows\system32\ (in any letter case).
std::uint32_t GetWindowsDirectoryA(char* buffer, std::uint32_t size);
std::uint32_t GetSystemDirectoryA(char* buffer, std::uint32_t size);
std::uint32_t GetTempPathA(std::uint32_t size, char* buffer);

// A query's buffer, as the call left it, and what the call returned.
struct FolderAnswer {
    std::string buffer;
    std::uint32_t returned = 0;
};

// The first `returned` characters, with a backslash; a lone "\" on failure.
std::string windowsFolderFrom(const FolderAnswer& answer);
// The buffer up to its NUL, with a backslash; "" on failure.
std::string systemFolderFrom(const FolderAnswer& answer);
// The first `returned` characters without outer spaces, with a backslash;
// appFolder on failure.
std::string tempFolderFrom(const FolderAnswer& answer, std::string_view appFolder);

std::string GetWindowsFolder();
std::string GetSystemFolder();
std::string GetTempFolder(std::string_view appFolder);

} // namespace vt
