#include "pack/FileCopy.h"

#include "platform/FileSystem.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace vt::pack {
namespace {

// Pieces small enough that Cancel answers quickly on a slow stick, large
// enough that the system calls do not show.
constexpr std::size_t Piece = std::size_t{4} << 20;

class Fd {
  public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { close(); }
    int get() const { return m_fd; }
    // The failure's errno, or 0; closing reports a delayed write failure.
    int close() {
        if (m_fd < 0)
            return 0;
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

  private:
    int m_fd;
};

struct Failure {
    CopyOutcome outcome;
    int error;
};

// The tests' full disk; set before a pack starts, so the copying thread
// sees it.
std::optional<WriteFault> g_fault;
std::atomic<std::size_t> g_faultRoom{0};

// Writes all bytes; the failure's errno, or 0.
int writeAll(int fd, const char* data, std::size_t size) {
    if (g_fault) {
        const std::size_t room = std::min(size, g_faultRoom.load());
        g_faultRoom -= room;
        if (room < size) {
            if (room > 0 && ::write(fd, data, room) < 0)
                return errno;
            return g_fault->error;
        }
    }
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

// The tests' full disk acts on ordinary writes only.
bool writeFaultActive() {
    return g_fault.has_value();
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Read and write, for the file systems that cannot copy inside the kernel.
std::optional<Failure> copyByHand(int in, int out, const CopyStep& step) {
    auto buffer = std::make_unique_for_overwrite<char[]>(Piece);
    while (true) {
        const ssize_t got = ::read(in, buffer.get(), Piece);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Failure{CopyOutcome::SourceFailed, errno};
        if (got == 0)
            return std::nullopt;
        if (const int error = writeAll(out, buffer.get(), static_cast<std::size_t>(got)))
            return Failure{CopyOutcome::TargetFailed, error};
        if (!step(static_cast<std::uint64_t>(got)))
            return Failure{CopyOutcome::Stopped, 0};
    }
}

std::optional<Failure> copyContents(int in, int out, const CopyStep& step) {
    if (writeFaultActive())
        return copyByHand(in, out, step);
    bool first = true;
    while (true) {
        const ssize_t put = ::copy_file_range(in, nullptr, out, nullptr, Piece, 0);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0 && first &&
            (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP))
            return copyByHand(in, out, step);
        if (put < 0)
            return Failure{errno == EIO || errno == EBADF ? CopyOutcome::SourceFailed
                                                          : CopyOutcome::TargetFailed,
                           errno};
        if (put == 0)
            return std::nullopt;
        first = false;
        if (!step(static_cast<std::uint64_t>(put)))
            return Failure{CopyOutcome::Stopped, 0};
    }
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

std::optional<Failure> keepTimes(int out, const struct stat& source) {
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    if (::futimens(out, times) != 0)
        return Failure{CopyOutcome::TargetFailed, errno};
    return std::nullopt;
}

// A new hidden file beside target, created with the source's permissions so
// that the system applies the umask as for any new file.
int createTemporary(const std::string& target, mode_t mode, std::string& temporary) {
    static std::atomic<unsigned> counter{0};
    const std::string stem = folderOf(target) + ".pack-" + std::to_string(::getpid()) + "-";
    while (true) {
        temporary = stem + std::to_string(counter++);
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode & 0777);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
}

CopyResult result(CopyOutcome outcome, int error) {
    return {outcome, error ? files::errorText(error) : std::string()};
}

} // namespace

CopyResult copyFile(const std::string& source, const std::string& target, const CopyStep& step) {
    Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (in.get() < 0 || ::fstat(in.get(), &info) != 0)
        return result(CopyOutcome::SourceFailed, errno);
    if (!S_ISREG(info.st_mode))
        return result(CopyOutcome::SourceFailed, EINVAL);
    std::string temporary;
    Fd out(createTemporary(target, info.st_mode, temporary));
    if (out.get() < 0)
        return result(CopyOutcome::TargetFailed, errno);
    auto failure = copyContents(in.get(), out.get(), step);
    if (!failure)
        failure = keepTimes(out.get(), info);
    if (const int closed = out.close(); !failure && closed)
        failure = Failure{CopyOutcome::TargetFailed, closed};
    if (!failure) {
        if (const int renamed = renameWithoutReplacing(temporary, target))
            failure = Failure{CopyOutcome::TargetFailed, renamed};
    }
    if (!failure)
        return {};
    ::unlink(temporary.c_str());
    return result(failure->outcome, failure->error);
}

void setWriteFault(std::optional<WriteFault> fault) {
    g_fault = fault;
    g_faultRoom = fault ? fault->afterBytes : 0;
}

std::string writeNewFile(const std::string& target, std::string_view bytes) {
    std::string temporary;
    Fd out(createTemporary(target, 0666, temporary));
    if (out.get() < 0)
        return files::lastErrorText();
    int error = writeAll(out.get(), bytes.data(), bytes.size());
    if (!error && ::fsync(out.get()) != 0)
        error = errno;
    if (const int closed = out.close(); !error)
        error = closed;
    if (!error)
        error = renameWithoutReplacing(temporary, target);
    if (!error)
        return {};
    ::unlink(temporary.c_str());
    return files::errorText(error);
}

std::string syncFileSystem(const std::string& hostFolder) {
    Fd folder(::open(hostFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0 || ::syncfs(folder.get()) != 0)
        return files::lastErrorText();
    return {};
}

} // namespace vt::pack
