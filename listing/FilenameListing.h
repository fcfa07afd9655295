#pragma once

#include "settings/Settings.h"
#include "slideshow/SlideShowModel.h"

#include <string>
#include <string_view>

namespace vt {

class Prompter;
class ShellOpener;

// The listing of every file name the model refers to, in the sections the
// options switch on: text in the shows' code page, CR LF after every line.
std::string filenameListingBytes(const SlideShowModel& model, const UtilityOptions& options);

// Writes the listing to a file, replacing it. A failure is told to the user;
// what was written before it stays. False on failure.
bool writeListingFile(std::string_view path, std::string_view bytes, Prompter& prompter);

// Where the listing goes: the program folder (which ends in a backslash)
// when we may write there, else our folder in the user's cache, created.
std::string ListingFolder(std::string_view appFolder);

// Writes VTUtil.tmp in folder, one that ListingFolder gave, in UTF-8 for the
// desktop's text editor.
void WriteFilenameListing(const SlideShowModel& model, const UtilityOptions& options,
                          std::string_view folder, Prompter& prompter);

// Opens the listing in the text editor (Notepad) or the word processor
// (WordPad), without waiting for it. False, after telling the user, when the
// request could not be made at all; a code the desktop answers with is not
// looked at.
bool ShowListingFile(bool useNotepad, std::string_view folder, ShellOpener& shell,
                     Prompter& prompter);

} // namespace vt
