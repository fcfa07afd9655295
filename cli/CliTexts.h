#pragma once

#include <string_view>

// vtshow's own messages, beside the window's that it shares.
namespace vt::clitexts {

inline constexpr std::string_view NotRegularStart = "This is ";
inline constexpr std::string_view NotRegularEnd = ", not a slide show file:";
inline constexpr std::string_view NoOutputFolder = "The folder to write into is not there:";
inline constexpr std::string_view NotStorable =
    "This name has characters that a slide show file cannot hold in its code page:";
inline constexpr std::string_view RelocateMatchesNothing =
    "No folder of the show begins with the OLD folder of this --relocate, which changes "
    "nothing:";
inline constexpr std::string_view NotStorableFound = "(found, not storable)";
inline constexpr std::string_view NotStorableFolders =
    "Found, but not storable: a slide show file cannot hold these folders' names in its code "
    "page, so their files stay missing:";

} // namespace vt::clitexts
