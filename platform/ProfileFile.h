#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Windows profile (INI) files, read and written the way Windows does it, on
// bytes in the code page. The viewer shares VANTORA.INI with us, so writing
// changes only the one line it must and keeps every other byte.
namespace vt {

// Copies the value of key in section (or defaultValue when there is none)
// into buffer, at most size - 1 bytes and a NUL; returns the bytes copied.
// fileName is a Windows path.
std::uint32_t GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                       std::string_view defaultValue, char* buffer,
                                       std::uint32_t size, std::string_view fileName);

// Sets key in section to value, creating the file (not its folder), the
// section and the key as needed. The file is replaced as a whole, so a crash
// never leaves it half-written. False when the file could not be written.
bool WritePrivateProfileStringA(std::string_view section, std::string_view key,
                                std::string_view value, std::string_view fileName);

namespace profile {

// The value of key in the first section named section, ignoring case;
// nullopt when either is absent. An empty value is present.
std::optional<std::string> findValue(std::string_view bytes, std::string_view section,
                                     std::string_view key);

// The file's bytes with key set to value, every other line unchanged.
std::string withValue(std::string_view bytes, std::string_view section, std::string_view key,
                      std::string_view value);

} // namespace profile
} // namespace vt
