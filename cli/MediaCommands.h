#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// vtshow check and vtshow relink: which of a show's files are missing, and
// finding them by name.
namespace vt::cli {

int check(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int relink(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vt::cli
