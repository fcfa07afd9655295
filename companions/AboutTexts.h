#pragma once

#include <string_view>

// The About box's texts.
namespace vt::texts {

inline constexpr std::string_view AboutCaptionStart = "About ";
inline constexpr std::string_view AboutVersionHeading = "Utility Module Version:";
inline constexpr std::string_view AboutReleaseMonth = "November 2000";
inline constexpr std::string_view AboutProductHost = "www.vantora.example";
inline constexpr std::string_view AboutClose = "&Click here to close this dialog...";
inline constexpr std::string_view AboutCloseTip = "Click here to close this dialog...";

} // namespace vt::texts
