#include "media/HostFolders.h"
#include "media/MediaSearch.h"

#include <filesystem>
#include <optional>

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
    if (files::hostEntry(root).kind != EntryKind::Folder || !files::folderListable(root)) {
        summary.badRoots.push_back(hostRoot);
        return;
    }
    std::vector<std::string> pending{root};
    long sinceReport = 0;
    while (!pending.empty() && !(summary.cancelled = progress.cancel.load())) {
        const std::string folder = std::move(pending.back());
        pending.pop_back();
        const files::HostFolder open(folder);
        if (open.state() != files::HostFolder::Open) {
            ++summary.unreadable;
            continue;
        }
        const std::optional<files::FileId> id = open.id();
        if (!id || !m_walked.insert(*id).second) {
            ++summary.loops;
            continue;
        }
        ++summary.folders;
        progress.folders.store(summary.folders);
        progress.setCurrentFolder(folder);
        const auto place = static_cast<std::uint32_t>(m_folderPaths.size());
        m_folderPaths.push_back(folder);
        open.forEachEntry([&](std::string_view name, EntryKind kind) {
            if (kind == EntryKind::Folder) {
                pending.push_back(folder + std::string(name) + '/');
            } else if (kind == EntryKind::File) {
                ++summary.files;
                if (name[0] != '.') // a hidden file is no file here
                    add(nameKey(name), place);
                if (++sinceReport == ProgressStep) {
                    sinceReport = 0;
                    progress.files.store(summary.files);
                    return !progress.cancel.load();
                }
            }
            return true;
        });
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
