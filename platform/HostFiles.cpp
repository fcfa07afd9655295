#include "platform/HostFiles.h"

#include "platform/FileSystem.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vt::files {
namespace {

EntryKind kindOf(mode_t mode) {
    return S_ISREG(mode) ? EntryKind::File : S_ISDIR(mode) ? EntryKind::Folder : EntryKind::Other;
}

EntryKind entryKind(int folderFd, const char* name, unsigned char direntType) {
    if (direntType == DT_REG)
        return EntryKind::File;
    if (direntType == DT_DIR)
        return EntryKind::Folder;
    if (direntType != DT_LNK && direntType != DT_UNKNOWN)
        return EntryKind::Other;
    struct stat info {};
    if (::fstatat(folderFd, name, &info, 0) != 0)
        return EntryKind::Other; // a dangling link
    return kindOf(info.st_mode);
}

} // namespace

HostEntry hostEntry(const std::string& hostPath) {
    HostEntry entry;
    struct stat info {};
    if (::stat(hostPath.c_str(), &info) != 0) {
        entry.error = errno;
        entry.state =
            errno == ENOENT || errno == ENOTDIR ? HostEntry::Absent : HostEntry::Unreachable;
        return entry;
    }
    entry.state = HostEntry::There;
    entry.kind = kindOf(info.st_mode);
    entry.id = {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
    entry.size = static_cast<std::uint64_t>(info.st_size);
    entry.modified =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    entry.permissions = info.st_mode & 07777;
    return entry;
}

bool folderListable(const std::string& hostFolder) {
    return ::access(hostFolder.c_str(), R_OK | X_OK) == 0;
}

Failure setPermissions(const std::string& hostPath, unsigned permissions) {
    return ::chmod(hostPath.c_str(), permissions) == 0 ? Failure() : lastFailure();
}

HostFolder::HostFolder(const std::string& hostFolder)
    : m_fd(::open(hostFolder.empty() ? "." : hostFolder.c_str(),
                  O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    m_state = m_fd >= 0 ? Open : errno == ENOENT || errno == ENOTDIR ? Absent : Unlistable;
}

HostFolder::~HostFolder() {
    if (m_fd >= 0)
        ::close(m_fd);
}

std::optional<FileId> HostFolder::id() const {
    struct stat info {};
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0)
        return std::nullopt;
    return FileId{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

// The entries are read straight into a buffer: readdir would cost two more
// system calls and an allocation per folder, and a show may have 30,000
// folders.
void HostFolder::forEachEntry(const Each& each) const {
    if (m_fd < 0)
        return;
    alignas(dirent64) char buffer[32768];
    ssize_t got;
    while ((got = ::getdents64(m_fd, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < got;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
            at += entry->d_reclen;
            const std::string_view name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            if (!each(name, entryKind(m_fd, entry->d_name, entry->d_type)))
                return;
        }
    }
}

CreatedEntries::~CreatedEntries() {
    if (m_kept)
        return;
    for (auto it = m_files.rbegin(); it != m_files.rend(); ++it)
        ::unlink(it->c_str());
    for (auto it = m_folders.rbegin(); it != m_folders.rend(); ++it)
        ::rmdir(it->c_str());
}

Failure CreatedEntries::folder(const std::string& hostPath) {
    namespace stdfs = std::filesystem;
    std::vector<std::string> missing;
    for (stdfs::path p(hostPath); !p.empty() && p != p.root_path(); p = p.parent_path()) {
        std::error_code error;
        if (stdfs::exists(stdfs::symlink_status(p, error)))
            break;
        missing.push_back(p.string());
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (::mkdir(it->c_str(), 0777) != 0)
            return lastFailure();
        m_folders.push_back(*it);
    }
    return {};
}

} // namespace vt::files
