#pragma once

#include "slideshow/SlideShowModel.h"

#include <functional>
#include <string_view>

namespace vt {

class Prompter;

// Receives the file's version line (line 2) as soon as it has been read,
// before it is checked: the main window shows it in a label.
using VersionLineSink = std::function<void(std::string_view)>;

// Replaces the model with the show at `path`. Every problem is reported
// through the prompter; nothing is thrown. The slide count is not set: the
// Open command counts the slides itself. False when the show was not read to
// its end (not a show, another release, a failure on the way); a limit
// reached is no such failure.
bool ReadSlideShow(SlideShowModel& model, std::string_view path, Prompter& prompter,
                   const VersionLineSink& versionLine = {});

// Adds the slides and play list entries of the show at `path` behind what the
// model holds, raising SlideCount. The file's header is read but not kept.
// False as for ReadSlideShow.
bool ReadAppendedSlideShow(SlideShowModel& model, std::string_view path, Prompter& prompter,
                           const VersionLineSink& versionLine = {});

} // namespace vt
