#pragma once

#include <string_view>

namespace vt::texts {

inline constexpr std::string_view AppendTitle = "Select Slide Show File";
inline constexpr std::string_view AppendLimitStart = "You can only append ";
inline constexpr std::string_view AppendLimitEnd = " files at a time.";
inline constexpr std::string_view AppendLimitHint =
    "Create this slide show file, open it, and then try again...";
inline constexpr std::string_view AppendSameAsSource =
    "The file to append is the same as the source file.";
inline constexpr std::string_view AppendAnyway = "Append this file anyway?";
inline constexpr std::string_view AppendAlreadyListed =
    "The file you selected is already in your list of files to append.";
inline constexpr std::string_view AppendAgain = "Append this file again?";

} // namespace vt::texts
