#include "media/HostFolders.h"
#include "media/MediaSearch.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vt::media {
namespace {

// How often, in files, a walk inside one large folder looks at Cancel and
// tells its progress.
constexpr long ProgressStep = 4096;

std::string absoluteFolder(const std::string& hostPath) {
    std::error_code error;
    std::string folder = std::filesystem::absolute(hostPath, error).lexically_normal().string();
    if (error)
        folder = hostPath;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder == "/" ? folder : folder + "/";
}

} // namespace

void WalkProgress::setCurrentFolder(const std::string& hostFolder) {
    const std::lock_guard lock(m_mutex);
    m_currentFolder = hostFolder;
}

std::string WalkProgress::currentFolder() const {
    const std::lock_guard lock(m_mutex);
    return m_currentFolder;
}

void NameIndex::add(std::string key, std::uint32_t folder) {
    const auto place = static_cast<std::uint32_t>(m_places.size());
    m_places.push_back({folder, NoPlace});
    const auto [name, added] = m_names.try_emplace(std::move(key), place, place);
    if (!added) {
        m_places[name->second.second].next = place;
        name->second.second = place;
    }
}

void NameIndex::walk(const std::string& hostRoot, WalkProgress& progress, WalkSummary& summary) {
    const std::string root = absoluteFolder(hostRoot);
    struct stat info {};
    if (::stat(root.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        ::access(root.c_str(), R_OK | X_OK) != 0) {
        summary.badRoots.push_back(hostRoot);
        return;
    }
    std::vector<std::string> pending{root};
    long sinceReport = 0;
    while (!pending.empty() && !(summary.cancelled = progress.cancel.load())) {
        const std::string folder = std::move(pending.back());
        pending.pop_back();
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        DIR* dir = fd < 0 ? nullptr : ::fdopendir(fd);
        if (!dir) {
            if (fd >= 0)
                ::close(fd);
            ++summary.unreadable;
            continue;
        }
        if (::fstat(fd, &info) != 0 || !m_walked.emplace(info.st_dev, info.st_ino).second) {
            ::closedir(dir);
            ++summary.loops;
            continue;
        }
        ++summary.folders;
        progress.folders.store(summary.folders);
        progress.setCurrentFolder(folder);
        const auto id = static_cast<std::uint32_t>(m_folderPaths.size());
        m_folderPaths.push_back(folder);
        while (const dirent* entry = ::readdir(dir)) {
            const std::string_view name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            const EntryKind kind = entryKind(fd, entry->d_name, entry->d_type);
            if (kind == EntryKind::Folder) {
                pending.push_back(folder + entry->d_name + '/');
            } else if (kind == EntryKind::File) {
                ++summary.files;
                if (name[0] != '.') // a hidden file is no file here
                    add(nameKey(name), id);
                if (++sinceReport == ProgressStep) {
                    sinceReport = 0;
                    progress.files.store(summary.files);
                    if (progress.cancel.load())
                        break;
                }
            }
        }
        ::closedir(dir);
        progress.files.store(summary.files);
    }
}

std::vector<std::string> NameIndex::foldersOf(std::string_view fileName) const {
    const std::vector<std::string_view> views = folderViewsOf(fileName);
    return {views.begin(), views.end()};
}

std::vector<std::string_view> NameIndex::folderViewsOf(std::string_view fileName) const {
    std::vector<std::string_view> folders;
    const auto name = m_names.find(nameKey(fileName));
    if (name == m_names.end())
        return folders;
    for (std::uint32_t place = name->second.first; place != NoPlace; place = m_places[place].next)
        folders.push_back(m_folderPaths[m_places[place].folder]);
    return folders;
}

bool NameIndex::holds(std::string_view hostFolder, std::string_view fileName) const {
    const auto name = m_names.find(nameKey(fileName));
    if (name == m_names.end())
        return false;
    const std::string wanted = nameKey(hostFolder);
    for (std::uint32_t place = name->second.first; place != NoPlace; place = m_places[place].next) {
        const std::string& folder = m_folderPaths[m_places[place].folder];
        if (folder.size() == hostFolder.size() && nameKey(folder) == wanted)
            return true;
    }
    return false;
}

} // namespace vt::media
