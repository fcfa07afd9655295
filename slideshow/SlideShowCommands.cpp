#include "slideshow/SlideShowCommands.h"

#include "common/PathText.h"
#include "common/Prompter.h"
#include "common/Texts.h"
#include "platform/DriveMap.h"
#include "platform/FileSystem.h"
#include "slideshow/SlideShowTexts.h"

namespace vt {

bool openSlideShow(SlideShowModel& model, std::string_view path, Prompter& prompter,
                   const VersionLineSink& versionLine) {
    const bool whole = ReadSlideShow(model, path, prompter, versionLine);
    model.SlideCount = countSlides(model);
    return whole;
}

bool mayCreate(std::string_view chosen, std::string_view sourcePath,
               const std::vector<std::string>& appendLines, Prompter& prompter) {
    if (!storableAsNamed(chosen)) { // the window remembers the name it writes
        prompter.warn(std::string(texts::NameNotStorable));
        return false;
    }
    return mayWriteShow(chosen, sourcePath, appendLines, prompter);
}

bool mayWriteShow(std::string_view chosen, std::string_view sourcePath,
                  const std::vector<std::string>& appendLines, Prompter& prompter) {
    if (files::sameFile(chosen, sourcePath)) {
        prompter.inform(std::string(texts::ReplaceSource));
        return false;
    }
    if (!appendLines.empty() && appendLines.front() != AppendPlaceholder) {
        for (const std::string& line : appendLines) {
            if (files::sameFile(chosen, line)) {
                prompter.inform(std::string(texts::ReplaceAppended));
                return false;
            }
        }
    }
    return mayReplace(chosen, prompter);
}

bool mayReplace(std::string_view chosen, Prompter& prompter) {
    if (files::entryExists(chosen)) { // a hidden file is asked about too
        return prompter.askYesNo(std::string(texts::AlreadyExists) + std::string(BlankLine) +
                                 std::string(chosen) + std::string(BlankLine) +
                                 std::string(texts::ReplaceQuestion));
    }
    return true;
}

} // namespace vt
