#pragma once

#include "collection/ShowFinder.h"
#include "slideshow/SlideShowModel.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vt {
class Prompter;
}

// Reading one show of a collection on its own, and writing it back fixed.
namespace vt::collection {

// A host path in Windows form, as the program shows and reads paths; that
// form reaches exactly this file, whatever the code page cannot hold.
std::string windowsPathOf(const std::string& hostPath);

// What a show file was when it was read; a file changed since is not written.
struct FileStamp {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modified = 0; // nanoseconds
    bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> stampOf(const std::string& hostPath);

// Reads the show as the Open command does, replacing what the model held.
// False when the reader had anything to say (it is told through the
// prompter): such a show is left as it is.
bool loadShow(const std::string& hostPath, SlideShowModel& model, FileStamp& stamp,
              Prompter& prompter);

// Where fixed shows go: over themselves, each first copied to a backup
// beside it, or into a folder, each under its path below the folder it was
// found in.
struct SaveRequest {
    enum class Mode { InPlace, IntoFolder } mode = Mode::InPlace;
    std::string folder; // host, for IntoFolder
};

struct SaveResult {
    bool saved = false;
    std::string target; // host path written
    std::string backup; // host path of the backup, in place
};

// Writes the model for the show read with that stamp. A show in place gets
// its previous bytes kept as NAME.vts.bak, or the next free NAME.vts.N.bak,
// before it is replaced; a show into a folder is refused over itself and
// asks before replacing a file. Everything reaches the disk whole or not at
// all; failures are told through the prompter.
SaveResult saveShow(const SlideShowModel& model, const FoundShow& show, const FileStamp& stamp,
                    const SaveRequest& request, Prompter& prompter);

} // namespace vt::collection
