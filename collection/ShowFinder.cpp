#include "collection/ShowFinder.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <dirent.h>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace vt::collection {
namespace {

using FileId = std::pair<std::uint64_t, std::uint64_t>; // device, inode

bool isShowName(std::string_view name) {
    if (name.size() < 5 || name.front() == '.')
        return false;
    std::string extension(name.substr(name.size() - 4));
    for (char& c : extension)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return extension == ".vts";
}

std::string joined(const std::string& folder, std::string_view name) {
    return folder.empty() || folder.back() == '/' ? folder + std::string(name)
                                                  : folder + '/' + std::string(name);
}

class Finder {
  public:
    Finder(FoundShows& found, const std::atomic<bool>* cancel) : m_found(found), m_cancel(cancel) {}

    void named(const std::string& path) {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0) {
            (errno == ENOENT || errno == ENOTDIR ? m_found.absent : m_found.unreadable)
                .push_back(path);
        } else if (S_ISDIR(info.st_mode)) {
            walk(path);
        } else if (m_files.insert(FileId(info.st_dev, info.st_ino)).second) {
            const auto slash = path.rfind('/');
            m_found.shows.push_back({path, slash == std::string::npos ? path : path.substr(slash + 1)});
        }
    }

  private:
    struct Pending {
        std::string host, relative;
    };

    // Depth first, each folder's entries in name order, so that the shows
    // come in the order of their paths.
    void walk(const std::string& root) {
        std::vector<Pending> pending{{root, {}}};
        while (!pending.empty()) {
            if (m_cancel && m_cancel->load()) {
                m_found.cancelled = true;
                return;
            }
            const Pending folder = std::move(pending.back());
            pending.pop_back();
            std::vector<Pending> subfolders = readFolder(folder);
            pending.insert(pending.end(), std::make_move_iterator(subfolders.rbegin()),
                           std::make_move_iterator(subfolders.rend()));
        }
    }

    // Adds the folder's shows, in name order, and gives its subfolders.
    std::vector<Pending> readFolder(const Pending& folder) {
        std::vector<Pending> subfolders;
        struct stat info {};
        if (::stat(folder.host.c_str(), &info) != 0 ||
            !m_folders.insert(FileId(info.st_dev, info.st_ino)).second)
            return subfolders; // gone meanwhile, or reached before through a link
        DIR* dir = ::opendir(folder.host.c_str());
        if (!dir) {
            m_found.unreadable.push_back(folder.host);
            return subfolders;
        }
        std::vector<std::pair<std::string, unsigned char>> entries;
        while (const dirent* entry = ::readdir(dir)) {
            if (entry->d_name[0] != '.')
                entries.emplace_back(entry->d_name, entry->d_type);
        }
        ::closedir(dir);
        std::sort(entries.begin(), entries.end());
        for (const auto& [name, type] : entries) {
            const bool maybeFolder = type == DT_DIR || type == DT_LNK || type == DT_UNKNOWN;
            if (!maybeFolder && !isShowName(name))
                continue; // nothing to look at: most of a big folder
            const Pending item{joined(folder.host, name), joined(folder.relative, name)};
            if (::stat(item.host.c_str(), &info) != 0)
                continue; // a dangling link
            if (S_ISDIR(info.st_mode))
                subfolders.push_back(item);
            else if (S_ISREG(info.st_mode) && isShowName(name) &&
                     m_files.insert(FileId(info.st_dev, info.st_ino)).second)
                m_found.shows.push_back({item.host, item.relative});
        }
        return subfolders;
    }

    FoundShows& m_found;
    const std::atomic<bool>* m_cancel;
    std::set<FileId> m_folders;
    std::set<FileId> m_files;
};

} // namespace

FoundShows findShows(const std::vector<std::string>& hostPaths, const std::atomic<bool>* cancel) {
    FoundShows found;
    Finder finder(found, cancel);
    for (const std::string& path : hostPaths) {
        if (found.cancelled)
            break;
        finder.named(path);
    }
    return found;
}

} // namespace vt::collection
