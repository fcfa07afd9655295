#pragma once

#include "platform/DriveMap.h"
#include "slideshow/AppendList.h"
#include "slideshow/SlideShowReader.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vt {
class ConsolePrompter;
class Prompter;
} // namespace vt

// The pieces vtshow's commands share.
namespace vt::cli {

class CommandOptions;

int usage(std::ostream& err, std::string_view problem);

// The opened show followed by the appended ones, as the window holds them.
struct LoadedShows {
    std::unique_ptr<SlideShowModel> model = std::make_unique<SlideShowModel>();
    std::string source; // Windows path
    AppendList appended; // asks the window's questions; knows the shows by name only
    std::vector<UserPath> named; // the source, then each show appended
    bool whole = true;           // false when a show could not be read to its end
};

// Opens the source and appends each show in order, asking what the window
// would ask. Paths are host paths as the user gave them; one that is no
// regular file is named as such and not read.
LoadedShows loadShows(const std::string& source, const std::vector<std::string>& appends,
                      ConsolePrompter& prompter, const VersionLineSink& versionLine = {});

// The --append option of the commands that read shows.
void addAppendOption(CommandOptions& options, std::vector<std::string>& appends);

// A file to write as the user named it; nullopt, after saying why, when its
// folder is not there.
std::optional<UserPath> outputPath(const std::string& named, ConsolePrompter& prompter);

// Whether target is the source or an appended show, by whatever name; if so
// the window's refusal has been shown.
bool isAShowRead(const UserPath& target, const LoadedShows& shows, Prompter& prompter);

// Never over the source or an appended show; only with leave to replace
// another file.
bool mayWrite(const UserPath& target, const LoadedShows& shows, Prompter& prompter);

// Applies each OLD=NEW in order with the path editor's checks; false, without
// changing the model, when one is refused. One that matches no row is a
// warning.
bool relocate(SlideShowModel& model, const std::vector<std::string>& relocations,
              ConsolePrompter& prompter);

int list(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int folders(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int pack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vt::cli
