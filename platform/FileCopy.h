#pragma once

#include "common/Failure.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Copying one file on the host, for a pack.
namespace vt::files {

// Called after each piece copied with the bytes of that piece; false stops
// the copy.
using CopyStep = std::function<bool(std::uint64_t bytes)>;

enum class CopyOutcome { Copied, Stopped, SourceFailed, TargetFailed };

struct CopyResult {
    CopyOutcome outcome = CopyOutcome::Copied;
    std::string error; // the system's description when a side failed
};

// Copies source to target through a hidden temporary beside target, which
// is renamed into place only when complete; target is never replaced when it
// exists. The copy gets the source's modification and access times and its
// permissions as the umask allows, and keeps the source's holes (a sparse
// file stays sparse); the data is copied inside the kernel where it can be. On any outcome but
// Copied nothing is left at target or beside it.
CopyResult copyFile(const std::string& source, const std::string& target, const CopyStep& step);

// Makes sure what was written to the file system holding hostFolder is on the
// disk.
Failure syncFileSystem(const std::string& hostFolder);

} // namespace vt::files
