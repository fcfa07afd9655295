#pragma once

#include "platform/DriveMap.h"
#include "slideshow/SlideShowModel.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vt {
class Prompter;
}

// Packing a show: every file it needs copied into one folder, beside a new
// show whose paths are relative to that folder, so the folder works wherever
// it is copied.
namespace vt::pack {

// One file to copy, once however many entries need it.
struct PackedFile {
    std::string source; // host path
    std::string from;   // the Windows path the show gave, for messages
    std::string target; // Windows path relative to the pack folder: "Beach\a.jpg"
    std::uint64_t size = 0;
};

// A name the pack had to change.
struct Rename {
    std::string from; // Windows path of the source file or folder
    std::string to;   // its relative path in the pack
};

struct PackPlan {
    std::string folder;                  // Windows path, ending in a backslash
    std::string hostFolder;              // the same on the host, ending in '/'
    std::string showName;                // "Trip.vts"
    std::vector<std::string> subfolders; // relative names, in the order they are made
    std::vector<PackedFile> files;
    std::vector<std::string> missing; // Windows paths of files not found, each once
    std::vector<Rename> renames;
    std::uint64_t bytes = 0;                // of all files
    std::unique_ptr<SlideShowModel> packed; // the show to write
};

// Works out the pack of model into folder (a Windows path), the new show
// named after showPath. Asks before using a folder that is not empty;
// refuses, with a message, what cannot be packed. Nothing is written.
std::optional<PackPlan> planPack(const SlideShowModel& model, const std::string& folder,
                                 const std::string& showPath, Prompter& prompter,
                                 const DriveMap& drives = DriveMap::current());

// What a running pack has done so far; read from any thread.
struct PackProgress {
    std::atomic<long> files{0};
    std::atomic<std::uint64_t> bytes{0};
    std::atomic<bool> cancel{false}; // set by the user; the pack stops within a piece
    std::function<void()> changed;   // called by the copying thread after each piece
};

enum class Outcome { Packed, Cancelled, Failed };

struct PackResult {
    Outcome outcome = Outcome::Packed;
    std::string failure; // the message for Failed
};

// Copies the files and then writes the show. Cancelled or failed, it
// removes everything it wrote. Never uses a Prompter, so it may run on
// another thread.
PackResult runPack(const PackPlan& plan, PackProgress& progress);

// The closing message: the summary (a warning when files were missing), the
// cancel notice or the failure. Lists show at most listLimit lines each.
void reportPack(const PackPlan& plan, const PackResult& result, Prompter& prompter,
                std::size_t listLimit);

// A count as the summary gives it: "0", "12", "5,000".
std::string countText(long long value);

// "1 byte", "512 bytes", "200.0 KB", "1.5 GB".
std::string sizeText(std::uint64_t bytes);

} // namespace vt::pack
