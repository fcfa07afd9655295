#pragma once

#include "platform/HostFiles.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Host folders read once each, and file names compared the way Windows
// compares them: the code page's letters, case ignored.
namespace vt::media {

// The key a host (UTF-8) file name is looked up by.
std::string nameKey(std::string_view hostName);

// "/a/b/" for "/a/b/c"; "" for a name without a folder.
std::string_view hostFolderOf(std::string_view hostPath);

using files::EntryKind;

// What a host folder held when it was read.
struct FolderListing {
    enum State { Read, Absent, Unlistable };
    struct Entry {
        std::string key;
        std::string name;
        EntryKind kind;
    };

    State state = Absent;
    std::string host; // as found on disk, ending in '/'; "" is the current folder
    std::vector<Entry> entries; // sorted by key; hidden files left out

    // The entry of that name and kind: the exact name first, then any case.
    const Entry* find(std::string_view name, EntryKind kind) const;
};

// Each folder is read at most once; a folder missing as written is looked
// for ignoring case, component by component, through its parents' listings.
class FolderCache {
  public:
    const FolderListing& folder(std::string_view hostFolder);
    // Reads the folders not read yet, a few at a time, so that folder() finds
    // them waiting: a large show spends most of its check reading folders.
    void readAhead(const std::vector<std::string_view>& hostFolders);

  private:
    FolderListing resolve(const std::string& hostFolder);

    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    std::unordered_map<std::string, FolderListing, Hash, std::equal_to<>> m_folders;
};

} // namespace vt::media
