#pragma once

#include <string>
#include <string_view>

class QApplication;

namespace vt {

class Prompter;
class SingleInstance;

// The program folder in Windows form with one trailing backslash, from the
// host folder of the running executable.
std::string appFolderFrom(std::string_view hostFolder);

// False, after telling the user, when another copy of the program runs.
bool claimSingleInstance(SingleInstance& instance, Prompter& prompter);

// The program: one copy at a time, the options loaded, the main window
// shown; returns when the window has closed.
int Main(QApplication& app);

} // namespace vt
