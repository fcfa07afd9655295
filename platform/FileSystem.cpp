#include "platform/FileSystem.h"

#include "common/PathText.h"
#include "platform/DriveMap.h"

#include <algorithm>
#include <atomic>
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

// Without any write permission a file is read-only, for the superuser too,
// as Windows' read-only attribute is. Why the file cannot be written, or 0.
int whyReadOnly(const std::string& hostPath, const struct stat& info) {
    if (::access(hostPath.c_str(), W_OK) != 0)
        return errno;
    return (info.st_mode & 0222) == 0 ? EACCES : 0;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// A hidden name beside target for a file still being written, short enough
// for any file system.
std::string temporaryName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string name = target.substr(slash == std::string::npos ? 0 : slash + 1);
    return folder + "." + name.substr(0, 200) + "." + std::to_string(::getpid()) + "-" +
           std::to_string(counter++);
}

// Keeps what is at target; where the file system cannot refuse a rename
// over a file, looks first.
int renameWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    struct stat info {};
    if (::lstat(to.c_str(), &info) == 0)
        return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// A renamed file is only safe once its folder is on the disk too. Not every
// file system can sync a folder; the file itself already is.
void syncFolder(const std::string& path) {
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// A nameless file is given its name through /proc.
bool namelessFilesWork() {
    static const bool work = ::access("/proc/self/fd", X_OK) == 0;
    return work;
}

int writeRaw(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t put = ::write(fd, data, size);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return errno;
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return 0;
}

// The tests' full disk, set before the work starts, read by any thread.
std::atomic<int> g_faultError{0};
std::atomic<std::size_t> g_faultRoom{0};

} // namespace

void FileBytes::Free::operator()(char* data) const { std::free(data); }

std::string errorText(int errorNumber) { return std::strerror(errorNumber); }
std::string lastErrorText() { return errorText(errno); }
Failure failureOf(int errorNumber) {
    return errorNumber == 0 ? Failure() : Failure(errorText(errorNumber));
}
Failure lastFailure() {
    return failureOf(errno);
}

bool fileExists(std::string_view windowsPath) { return hasMode(windowsPath, S_IFREG); }
bool folderExists(std::string_view windowsPath) { return hasMode(windowsPath, S_IFDIR); }

bool entryExists(std::string_view windowsPath) {
    const auto host = DriveMap::current().toHost(windowsPath);
    struct stat info {};
    return host && !host->empty() && ::lstat(host->c_str(), &info) == 0;
}

bool sameHostFile(const std::string& first, const std::string& second) {
    struct stat a {};
    struct stat b {};
    const bool firstThere = ::stat(first.c_str(), &a) == 0;
    const bool secondThere = ::stat(second.c_str(), &b) == 0;
    if (firstThere || secondThere)
        return firstThere && secondThere && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    std::error_code error;
    const stdfs::path one = stdfs::weakly_canonical(stdfs::absolute(first, error), error);
    const stdfs::path other = stdfs::weakly_canonical(stdfs::absolute(second, error), error);
    return !error && one == other;
}

bool sameFile(std::string_view first, std::string_view second) {
    const DriveMap& drives = DriveMap::current();
    const auto one = drives.toHost(first), other = drives.toHost(second);
    if (one && other && !one->empty() && !other->empty() && sameHostFile(*one, *other))
        return true;
    const bool textSays =
        first.find('?') == std::string_view::npos && second.find('?') == std::string_view::npos;
    return textSays && equalsIgnoringCase(first, second);
}

bool sameUserFile(const UserPath& first, const UserPath& second) {
    return sameHostFile(first.host, second.host) ||
           (first.storable && second.storable && equalsIgnoringCase(first.windows, second.windows));
}

bool isHostFolder(const std::string& hostPath) {
    struct stat info {};
    return ::stat(hostPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string notRegularKind(const std::string& hostPath) {
    struct stat info {};
    if (::stat(hostPath.c_str(), &info) != 0)
        return {};
    switch (info.st_mode & S_IFMT) {
    case S_IFREG:
        return {};
    case S_IFDIR:
        return "a folder";
    case S_IFIFO:
        return "a named pipe";
    case S_IFSOCK:
        return "a socket";
    case S_IFCHR:
    case S_IFBLK:
        return "a device";
    }
    return "not a regular file";
}

Failure readWholeFile(std::string_view windowsPath, FileBytes& bytes) {
    bytes = FileBytes();
    const auto host = DriveMap::current().toHost(windowsPath);
    if (!host || host->empty())
        return failureOf(ENOENT);
    return readHostFile(*host, bytes);
}

namespace {

// Opens a regular file for reading; -1 with errno set otherwise. Only regular
// files: a device or a pipe could be read for ever.
int openRegular(const std::string& hostPath, struct stat& info) {
    const int fd = ::open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    const bool statted = ::fstat(fd, &info) == 0;
    if (statted && S_ISREG(info.st_mode))
        return fd;
    const int error = !statted ? errno : S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    ::close(fd);
    errno = error;
    return -1;
}

// Reads up to size bytes into data; the count read, or -1 with errno set.
ssize_t readUpTo(int fd, char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, data + done, size - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(done);
}

} // namespace

Failure readHostFile(const std::string& hostPath, FileBytes& bytes) {
    bytes = FileBytes();
    struct stat info {};
    const int fd = openRegular(hostPath, info);
    if (fd < 0)
        return lastFailure();
    // A file that grows while we read it is read as far as it was when we began.
    const auto size = static_cast<std::size_t>(info.st_size);
    bytes.m_data.reset(static_cast<char*>(std::malloc(std::max<std::size_t>(size, 1))));
    const ssize_t got = bytes.m_data ? readUpTo(fd, bytes.m_data.get(), size) : -1;
    const int error = !bytes.m_data ? ENOMEM : got < 0 ? errno : 0;
    ::close(fd);
    if (error)
        return failureOf(error);
    bytes.m_size = static_cast<std::size_t>(got);
    return {};
}

Failure readFileStart(std::string_view windowsPath, std::size_t size, std::string& start) {
    start.clear();
    const auto host = DriveMap::current().toHost(windowsPath);
    if (!host || host->empty())
        return failureOf(ENOENT);
    struct stat info {};
    const int fd = openRegular(*host, info);
    if (fd < 0)
        return lastFailure();
    start.resize(size);
    const ssize_t got = readUpTo(fd, start.data(), size);
    const int error = got < 0 ? errno : 0;
    ::close(fd);
    start.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
    return failureOf(error);
}

FileReader::~FileReader() {
    if (m_fd >= 0)
        ::close(m_fd);
}

Failure FileReader::open(std::string_view windowsPath) {
    const auto host = DriveMap::current().toHost(windowsPath);
    if (!host || host->empty())
        return failureOf(ENOENT);
    struct stat info {};
    m_fd = openRegular(*host, info);
    if (m_fd < 0)
        return lastFailure();
    // A file that grows while we read it is read as far as it was when we began.
    m_left = static_cast<std::uint64_t>(info.st_size);
    return {};
}

std::size_t FileReader::read(char* data, std::size_t size, Failure& error) {
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(size, m_left));
    const ssize_t got = m_fd < 0 ? 0 : readUpTo(m_fd, data, wanted);
    if (got < 0) {
        error = lastFailure();
        return 0;
    }
    m_left -= static_cast<std::uint64_t>(got);
    return static_cast<std::size_t>(got);
}

Failure deleteFile(std::string_view windowsPath) {
    const auto host = DriveMap::current().toHost(windowsPath);
    if (!host || host->empty())
        return failureOf(ENOENT);
    struct stat info {};
    if (::lstat(host->c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            return failureOf(EISDIR);
        // Windows will not delete a read-only file either.
        if (const int error = S_ISREG(info.st_mode) ? whyReadOnly(*host, info) : 0)
            return failureOf(error);
    }
    return ::unlink(host->c_str()) == 0 ? Failure() : lastFailure();
}

namespace {

Failure writeWhole(AtomicFile& file, Failure failure, std::string_view bytes) {
    if (!failure)
        failure = file.write(bytes);
    return failure ? failure : file.commit();
}

} // namespace

Failure replaceHostFile(const std::string& hostPath, std::string_view bytes) {
    AtomicFile file;
    return writeWhole(file, file.open(hostPath), bytes);
}

Failure replaceFile(std::string_view windowsPath, std::string_view bytes) {
    AtomicFile file;
    return writeWhole(file, file.openWindows(windowsPath), bytes);
}

Failure writeNewHostFile(const std::string& hostPath, std::string_view bytes, bool syncNow) {
    AtomicFile file;
    AtomicFile::Options options;
    options.replace = false;
    options.syncNow = syncNow;
    return writeWhole(file, file.open(hostPath, options), bytes);
}

int writeBytes(int fd, const char* data, std::size_t size) {
    if (const int error = g_faultError.load()) {
        const std::size_t room = std::min(size, g_faultRoom.load());
        g_faultRoom -= room;
        if (room < size)
            return room > 0 && writeRaw(fd, data, room) != 0 ? errno : error;
    }
    return writeRaw(fd, data, size);
}

void setWriteFault(std::optional<WriteFault> fault) {
    g_faultRoom = fault ? fault->afterBytes : 0;
    g_faultError = fault ? fault->error : 0;
}

bool writeFaultSet() { return g_faultError.load() != 0; }

Failure AtomicFile::openWindows(std::string_view windowsPath) {
    const auto host = DriveMap::current().toHost(windowsPath);
    if (!host || host->empty()) {
        discard();
        return failureOf(ENOENT);
    }
    return open(*host);
}

Failure AtomicFile::open(const std::string& hostPath, Options options) {
    discard();
    m_options = options;
    m_target = followLinks(hostPath);
    struct stat old {};
    m_keepOwner = ::stat(m_target.c_str(), &old) == 0;
    if (m_keepOwner && !options.replace)
        return failureOf(EEXIST);
    // Only a regular file is replaced: renaming over a device or a pipe
    // would take it away from everything else that uses it.
    if (m_keepOwner && !S_ISREG(old.st_mode))
        return failureOf(S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
    if (const int error = m_keepOwner ? whyReadOnly(m_target, old) : 0)
        return failureOf(error);
    m_owner = {old.st_uid, old.st_gid, static_cast<mode_t>(old.st_mode & 07777)};
    // A file without a name vanishes by itself when the program is killed;
    // where the file system has none, a hidden name is removed on failure.
    if (namelessFilesWork())
        m_fd = ::open(folderOf(m_target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, options.newMode);
    if (m_fd < 0) {
        m_temporary = temporaryName(m_target);
        m_fd = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                      options.newMode);
    }
    if (m_fd < 0) {
        const int error = errno;
        discard();
        return failureOf(error);
    }
    return {};
}

Failure AtomicFile::write(std::string_view bytes) {
    if (m_fd < 0)
        return failureOf(EBADF);
    const int error = writeBytes(m_fd, bytes.data(), bytes.size());
    return failureOf(error);
}

Failure AtomicFile::commit() {
    if (m_fd < 0)
        return failureOf(EBADF);
    int error = 0;
    if (m_keepOwner) {
        // Only the superuser may give a file away; otherwise the owner is ours.
        [[maybe_unused]] const int given = ::fchown(m_fd, m_owner.uid, m_owner.gid);
        if (::fchmod(m_fd, m_owner.mode) != 0)
            error = errno;
    }
    if (!error && m_options.syncNow && ::fsync(m_fd) != 0)
        error = errno;
    if (!error)
        error = putInPlace();
    if (error) {
        discard();
        return failureOf(error);
    }
    if (m_options.syncNow)
        syncFolder(m_target);
    return {};
}

int AtomicFile::putInPlace() {
    if (m_temporary.empty()) {
        // The nameless file gets a name: the target itself when nothing may be
        // replaced, else a hidden one that is renamed over the target.
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
        m_temporary = m_options.replace ? temporaryName(m_target) : m_target;
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, m_temporary.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            const int error = errno;
            m_temporary.clear();
            return error;
        }
        if (!m_options.replace) {
            m_temporary.clear();
            closeDescriptor();
            return 0;
        }
    }
    if (const int error = closeDescriptor())
        return error;
    const int error = m_options.replace
                          ? (::rename(m_temporary.c_str(), m_target.c_str()) == 0 ? 0 : errno)
                          : renameWithoutReplacing(m_temporary, m_target);
    if (!error)
        m_temporary.clear();
    return error;
}

int AtomicFile::closeDescriptor() {
    if (m_fd < 0)
        return 0;
    const int result = ::close(m_fd);
    m_fd = -1;
    return result == 0 ? 0 : errno;
}

void AtomicFile::discard() {
    closeDescriptor();
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
}

} // namespace vt::files
