#include "platform/FileSystem.h"

#include "platform/DriveMap.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vt::files {
namespace {

bool isHidden(const std::string& hostPath) {
    std::string_view path = hostPath;
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    const auto slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return !name.empty() && name[0] == '.' && name != "." && name != "..";
}

bool hasMode(std::string_view windowsPath, mode_t kind) {
    // Most paths name the file exactly as it is written: one stat call.
    // Only a miss pays for the lookup that ignores letter case.
    auto host = DriveMap::current().toHostAsWritten(windowsPath);
    if (!host || host->empty())
        return false;
    struct stat info {};
    if (::stat(host->c_str(), &info) != 0) {
        *host = resolveCaseInsensitive(*host);
        if (::stat(host->c_str(), &info) != 0)
            return false;
    }
    return (info.st_mode & S_IFMT) == kind && !isHidden(*host);
}

// Opens a Windows path on the host; -1 with errno set on failure.
int openHost(std::string_view windowsPath, int flags) {
    const auto host = DriveMap::current().toHost(windowsPath);
    if (!host || host->empty()) {
        errno = ENOENT;
        return -1;
    }
    return ::open(host->c_str(), flags | O_CLOEXEC, 0666);
}

} // namespace

std::string errorText(int errorNumber) { return std::strerror(errorNumber); }
std::string lastErrorText() { return errorText(errno); }

bool fileExists(std::string_view windowsPath) { return hasMode(windowsPath, S_IFREG); }
bool folderExists(std::string_view windowsPath) { return hasMode(windowsPath, S_IFDIR); }

bool entryExists(std::string_view windowsPath) {
    const auto host = DriveMap::current().toHost(windowsPath);
    struct stat info {};
    return host && !host->empty() && ::lstat(host->c_str(), &info) == 0;
}

std::string readWholeFile(std::string_view windowsPath, FileBytes& bytes) {
    bytes = FileBytes();
    const int fd = openHost(windowsPath, O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return lastErrorText();
    struct stat info {};
    const bool statted = ::fstat(fd, &info) == 0;
    if (!statted || !S_ISREG(info.st_mode)) {
        // Only regular files: a device or a pipe could be read for ever.
        const int error = !statted ? errno : S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return errorText(error);
    }
    // A file that grows while we read it is read as far as it was when we began.
    const auto size = static_cast<std::size_t>(info.st_size);
    bytes.m_data = std::make_unique_for_overwrite<char[]>(size);
    while (bytes.m_size < size) {
        const ssize_t got = ::read(fd, bytes.m_data.get() + bytes.m_size, size - bytes.m_size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return errorText(error);
        }
        if (got == 0)
            break;
        bytes.m_size += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return {};
}

std::string deleteFile(std::string_view windowsPath) {
    const auto host = DriveMap::current().toHost(windowsPath);
    if (!host || host->empty())
        return errorText(ENOENT);
    struct stat info {};
    if (::lstat(host->c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return errorText(EISDIR);
    return ::unlink(host->c_str()) == 0 ? std::string() : lastErrorText();
}

OutputFile::~OutputFile() { close(); }

std::string OutputFile::open(std::string_view windowsPath) {
    close();
    m_fd = openHost(windowsPath, O_WRONLY | O_CREAT | O_TRUNC);
    return m_fd < 0 ? lastErrorText() : std::string();
}

std::string OutputFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(m_fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return lastErrorText();
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return {};
}

std::string OutputFile::close() {
    if (m_fd < 0)
        return {};
    const int result = ::close(m_fd);
    m_fd = -1;
    return result == 0 ? std::string() : lastErrorText();
}

} // namespace vt::files
