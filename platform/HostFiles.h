#pragma once

#include "common/Failure.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Host files and folders seen the way the checks, searches and packs need
// them: what is at a path, what a folder holds, and what a job made.
namespace vt::files {

enum class EntryKind : unsigned char { File, Folder, Other };

// A file's device and inode: one file however it is reached.
using FileId = std::pair<std::uint64_t, std::uint64_t>;

// What is at a host path, links followed.
struct HostEntry {
    enum State { There, Absent, Unreachable }; // Absent: no such path, or a file above it
    State state = Absent;
    int error = 0; // errno when not There
    EntryKind kind = EntryKind::Other;
    FileId id;
    std::uint64_t size = 0;
    std::int64_t modified = 0; // nanoseconds
    unsigned permissions = 0;  // the mode's lower twelve bits
};
HostEntry hostEntry(const std::string& hostPath);

// True when the folder may be listed and entered.
bool folderListable(const std::string& hostFolder);

// Sets the permission bits of what is at a host path, links followed.
Failure setPermissions(const std::string& hostPath, unsigned permissions);

// A host folder opened to read what it holds.
class HostFolder {
  public:
    enum State { Open, Absent, Unlistable };            // Absent: nothing there, or no folder
    explicit HostFolder(const std::string& hostFolder); // "" is the current folder
    HostFolder(const HostFolder&) = delete;
    HostFolder& operator=(const HostFolder&) = delete;
    ~HostFolder();

    State state() const { return m_state; }
    std::optional<FileId> id() const;

    // Calls each(name, kind) for every entry but "." and "..", until it
    // returns false. The kind is the entry's own where the folder gives it,
    // else (links, some file systems) stat's, following links; a dangling
    // link is Other.
    using Each = std::function<bool(std::string_view name, EntryKind kind)>;
    void forEachEntry(const Each& each) const;

  private:
    int m_fd = -1;
    State m_state = Absent;
};

// Files and folders a job made, removed again in reverse when it is
// destroyed before keep(): a job that fails or is cancelled leaves nothing
// behind. A folder goes only when empty, so nothing of anybody else goes.
class CreatedEntries {
  public:
    CreatedEntries() = default;
    CreatedEntries(const CreatedEntries&) = delete;
    CreatedEntries& operator=(const CreatedEntries&) = delete;
    ~CreatedEntries();

    void keep() { m_kept = true; }
    void file(std::string hostPath) { m_files.push_back(std::move(hostPath)); }
    // Makes a folder and the missing ones above it.
    Failure folder(const std::string& hostPath);

  private:
    std::vector<std::string> m_files;
    std::vector<std::string> m_folders;
    bool m_kept = false;
};

} // namespace vt::files
