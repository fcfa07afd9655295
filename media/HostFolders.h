#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Host folders read once each, and file names compared the way Windows
// compares them: Windows-1252 letters, case ignored.
namespace vt::media {

// The key a host (UTF-8) file name is looked up by.
std::string nameKey(std::string_view hostName);

// "/a/b/" for "/a/b/c"; "" for a name without a folder.
std::string_view hostFolderOf(std::string_view hostPath);

enum class EntryKind : unsigned char { File, Folder, Other };

// The kind of a directory entry: from readdir's type when it gives one,
// otherwise (links, some file systems) from stat, following links.
EntryKind entryKind(int folderFd, const char* name, unsigned char direntType);

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
    const FolderListing& folder(const std::string& hostFolder);

  private:
    FolderListing resolve(const std::string& hostFolder);

    std::unordered_map<std::string, std::unique_ptr<FolderListing>> m_folders;
};

} // namespace vt::media
