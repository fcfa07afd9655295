#pragma once

#include <string_view>

// The help window's own texts.
namespace vt::texts {

// In the program folder, beside the program.
inline constexpr std::string_view HelpFileName = "VTUtil.HLP";
// The page the contents request shows.
inline constexpr std::string_view HelpContentsPage = "index.html";

inline constexpr std::string_view HelpWindowTitle = "Vantora Utility Module Help";
inline constexpr std::string_view HelpContentsTab = "&Contents";
inline constexpr std::string_view HelpIndexTab = "&Index";
inline constexpr std::string_view HelpSearchTab = "&Search";
inline constexpr std::string_view HelpLookFor = "&Look for:";
inline constexpr std::string_view HelpBack = "&Back";
inline constexpr std::string_view HelpForward = "&Forward";
inline constexpr std::string_view HelpHome = "C&ontents Page";

// Shown in place of a page when the help file cannot be used; %1 is its path.
inline constexpr std::string_view HelpMissing =
    "<h2>Help is not available</h2>"
    "<p>The help file could not be opened:</p><p><code>%1</code></p>"
    "<p>It belongs in the program's folder, beside the program. Install the "
    "Vantora Utility Module again to restore it.</p>";

} // namespace vt::texts
