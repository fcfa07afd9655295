#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vt::cli {

// Exit statuses of vtshow.
inline constexpr int Success = 0;
inline constexpr int Trouble = 1; // an error or warning was shown, or nothing was written
inline constexpr int BadUsage = 2;

// Runs vtshow with its arguments (without the program name). Results go to
// out, message boxes to err.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vt::cli
