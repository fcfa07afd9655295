#pragma once

#include "common/Failure.h"

#include <initializer_list>
#include <string>
#include <string_view>

// Texts shared by every part of the program.
namespace vt {

inline constexpr std::string_view ProgramTitle = "Vantora Utility Module";
inline constexpr std::string_view NewLine = "\r\n";
inline constexpr std::string_view BlankLine = "\r\n\r\n";

// The only line of the append list while nothing is appended.
inline constexpr std::string_view AppendPlaceholder =
    "-- Choose .VTS slide show file to append to opened .VTS file.";

// A failure the platform raised: our sentence, a blank line, its description.
std::string failureText(std::string_view sentence, std::string_view description);
inline std::string failureText(std::string_view sentence, const Failure& failure) {
    return failureText(sentence, failure.description());
}

// The parts one after the other.
std::string joinedText(std::initializer_list<std::string_view> parts);

} // namespace vt
