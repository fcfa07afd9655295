#include "pack/FileCopy.h"

#include "platform/FileSystem.h"

#include <algorithm>
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
        if (const int error = files::writeBytes(out, buffer.get(), static_cast<std::size_t>(got)))
            return Failure{CopyOutcome::TargetFailed, error};
        if (!step(static_cast<std::uint64_t>(got)))
            return Failure{CopyOutcome::Stopped, 0};
    }
}

std::optional<Failure> copyContents(int in, int out, const CopyStep& step) {
    // The tests' full disk acts on ordinary writes only.
    if (files::writeFaultSet())
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

std::optional<Failure> keepTimes(int out, const struct stat& source) {
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    if (::futimens(out, times) != 0)
        return Failure{CopyOutcome::TargetFailed, errno};
    return std::nullopt;
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
    // The source's permissions, as the umask allows them for any new file;
    // the whole pack is synced once at its end.
    files::AtomicFile out;
    files::AtomicFile::Options options;
    options.replace = false;
    options.newMode = info.st_mode & 0777;
    options.syncNow = false;
    if (auto error = out.open(target, options); !error.empty())
        return {CopyOutcome::TargetFailed, error};
    auto failure = copyContents(in.get(), out.descriptor(), step);
    if (!failure)
        failure = keepTimes(out.descriptor(), info);
    if (failure)
        return result(failure->outcome, failure->error);
    if (auto error = out.commit(); !error.empty())
        return {CopyOutcome::TargetFailed, error};
    return {};
}

std::string syncFileSystem(const std::string& hostFolder) {
    Fd folder(::open(hostFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0 || ::syncfs(folder.get()) != 0)
        return files::lastErrorText();
    return {};
}

} // namespace vt::pack
