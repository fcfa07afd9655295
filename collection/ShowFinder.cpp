#include "collection/ShowFinder.h"

#include "platform/HostFiles.h"

#include <algorithm>
#include <set>
#include <utility>

namespace vt::collection {
namespace {

using files::FileId;

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
        const files::HostEntry there = files::hostEntry(path);
        if (there.state != files::HostEntry::There) {
            (there.state == files::HostEntry::Absent ? m_found.absent : m_found.unreadable)
                .push_back(path);
        } else if (there.kind == files::EntryKind::Folder) {
            walk(path);
        } else if (m_files.insert(there.id).second) {
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
        const files::HostEntry there = files::hostEntry(folder.host);
        if (there.state != files::HostEntry::There || !m_folders.insert(there.id).second)
            return subfolders; // gone meanwhile, or reached before through a link
        const files::HostFolder open(folder.host);
        if (open.state() != files::HostFolder::Open) {
            m_found.unreadable.push_back(folder.host);
            return subfolders;
        }
        std::vector<std::pair<std::string, files::EntryKind>> entries;
        open.forEachEntry([&](std::string_view name, files::EntryKind kind) {
            if (name[0] != '.')
                entries.emplace_back(name, kind);
            return true;
        });
        std::sort(entries.begin(), entries.end());
        for (const auto& [name, kind] : entries) {
            const bool show = kind == files::EntryKind::File && isShowName(name);
            if (kind != files::EntryKind::Folder && !show)
                continue; // nothing to look at: most of a big folder
            const Pending item{joined(folder.host, name), joined(folder.relative, name)};
            if (kind == files::EntryKind::Folder) {
                subfolders.push_back(item);
            } else if (const files::HostEntry file = files::hostEntry(item.host);
                       file.kind == files::EntryKind::File && m_files.insert(file.id).second) {
                m_found.shows.push_back({item.host, item.relative});
            }
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
