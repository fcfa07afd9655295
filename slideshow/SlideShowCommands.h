#pragma once

#include "slideshow/SlideShowReader.h"

#include <string>
#include <string_view>
#include <vector>

namespace vt {

class Prompter;

// What the Open command does with the model: read the show, then count its
// slides. False when the show was not read to its end.
bool openSlideShow(SlideShowModel& model, std::string_view path, Prompter& prompter,
                   const VersionLineSink& versionLine = {});

// The Create command's checks before writing: a name the show can remember
// as the last one written, never the opened show or a show listed to append
// (the same file by any name), and only with leave to replace another file.
// appendLines are the append list's lines, placeholder included.
bool mayCreate(std::string_view chosen, std::string_view sourcePath,
               const std::vector<std::string>& appendLines, Prompter& prompter);
// The same, for a show written where no name is remembered: any name will do.
bool mayWriteShow(std::string_view chosen, std::string_view sourcePath,
                  const std::vector<std::string>& appendLines, Prompter& prompter);
// The last of them: asks before replacing anything that is there.
bool mayReplace(std::string_view chosen, Prompter& prompter);

} // namespace vt
