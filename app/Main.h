#pragma once

#include <QStringList>

#include <string>
#include <string_view>

class QApplication;

namespace vt {

class Prompter;
class SingleInstance;
class frmMain;

// The program folder in Windows form with one trailing backslash, from the
// host folder of the running executable.
std::string appFolderFrom(std::string_view hostFolder);

// False, after telling the user, when another copy of the program runs.
bool claimSingleInstance(SingleInstance& instance, Prompter& prompter);

// The show named on the command line (`vtutil FILE`, as a file manager
// starts it) in Windows form, or "" when none is named.
std::string showFromArguments(const QStringList& arguments);

// Opens `path` as Open would, as soon as the event loop runs, so that the
// window is on screen before any message about the file.
void openWhenShown(frmMain& window, const std::string& path);

// The program: one copy at a time, the options loaded, the main window
// shown; returns when the window has closed.
int Main(QApplication& app);

} // namespace vt
