#include "platform/FileSystem.h"

#include "platform/DriveMap.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vt::files {
namespace {

namespace stdfs = std::filesystem;

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

std::string writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return lastErrorText();
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return {};
}

// The file a path finally names: replacing that one keeps the links to it.
std::string followLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!stdfs::is_symlink(stdfs::symlink_status(path, error)))
            return path;
        const stdfs::path target = stdfs::read_symlink(path, error);
        if (error)
            return path;
        path = target.is_absolute() ? target.string()
                                    : (stdfs::path(path).parent_path() / target).string();
    }
    return path;
}

std::string temporaryBeside(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + ".XXXXXX"; // hidden, so no listing shows it
}

// Without any write permission a file is read-only, for the superuser too,
// as Windows' read-only attribute is.
bool isReadOnly(const std::string& hostPath, const struct stat& info) {
    return (info.st_mode & 0222) == 0 || ::access(hostPath.c_str(), W_OK) != 0;
}

// A new file gets what the umask allows, a replaced one what it had.
std::string giveMode(int fd, const struct stat* old) {
    if (!old) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return ::fchmod(fd, 0666 & ~mask) == 0 ? std::string() : lastErrorText();
    }
    // Only the superuser may give a file away; otherwise the owner is ours.
    [[maybe_unused]] const int given = ::fchown(fd, old->st_uid, old->st_gid);
    return ::fchmod(fd, old->st_mode & 07777) == 0 ? std::string() : lastErrorText();
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
    const auto host = DriveMap::current().toHost(windowsPath);
    if (!host || host->empty())
        return errorText(ENOENT);
    return readHostFile(*host, bytes);
}

std::string readHostFile(const std::string& hostPath, FileBytes& bytes) {
    bytes = FileBytes();
    const int fd = ::open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
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
    if (::lstat(host->c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            return errorText(EISDIR);
        if (S_ISREG(info.st_mode) && isReadOnly(*host, info))
            return errorText(EACCES); // Windows will not delete a read-only file either
    }
    return ::unlink(host->c_str()) == 0 ? std::string() : lastErrorText();
}

std::string replaceHostFile(const std::string& hostPath, std::string_view bytes) {
    const std::string target = followLinks(hostPath);
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode))
        return errorText(S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
    if (existed && isReadOnly(target, old))
        return errorText(EACCES);
    std::string temporary = temporaryBeside(target);
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return lastErrorText();
    std::string failure = writeAll(fd, bytes);
    if (failure.empty())
        failure = giveMode(fd, existed ? &old : nullptr);
    if (failure.empty() && ::fsync(fd) != 0)
        failure = lastErrorText();
    if (::close(fd) != 0 && failure.empty())
        failure = lastErrorText();
    if (failure.empty() && ::rename(temporary.c_str(), target.c_str()) != 0)
        failure = lastErrorText();
    if (!failure.empty())
        ::unlink(temporary.c_str());
    return failure;
}

OutputFile::~OutputFile() { close(); }

std::string OutputFile::open(std::string_view windowsPath) {
    close();
    m_fd = openHost(windowsPath, O_WRONLY | O_CREAT | O_TRUNC);
    return m_fd < 0 ? lastErrorText() : std::string();
}

std::string OutputFile::write(std::string_view bytes) { return writeAll(m_fd, bytes); }

std::string OutputFile::close() {
    if (m_fd < 0)
        return {};
    const int result = ::close(m_fd);
    m_fd = -1;
    return result == 0 ? std::string() : lastErrorText();
}

} // namespace vt::files
