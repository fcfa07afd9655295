#pragma once

namespace vt {

class Prompter;
class ProgramStarter;

// The Program Configuration tab's commands on the viewer's preferences file
// as a whole. The window does the busy check before calling them.

// Deletes the file after an OK/Cancel question; reports a failed deletion.
void resetPreferences(Prompter& prompter);

// Opens the file in Notepad without waiting; reports a failed start.
void editPreferences(ProgramStarter& starter, Prompter& prompter);

} // namespace vt
