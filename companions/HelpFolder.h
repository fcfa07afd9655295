#pragma once

#include <string_view>

namespace vt {

// Makes the program folder the current folder before a help request, as the
// program has always done: first its drive, then the folder. Programs started
// later inherit it. Gives up quietly at the first step that fails.
void setHelpFolder(std::string_view appFolder);

} // namespace vt
