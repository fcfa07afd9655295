#include "platform/FileCopy.h"

#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace vt::files {
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

struct CopyFailure {
    CopyOutcome outcome;
    int error;
};

// Copies size bytes at offset from in to out, a piece at a time: inside the
// kernel where the file systems allow it, else by read and write.
class RangeCopier {
  public:
    // The tests' full disk acts on ordinary writes only.
    RangeCopier(int in, int out, const CopyStep& step)
        : m_in(in), m_out(out), m_step(step), m_byHand(writeFaultSet()) {}

    std::optional<CopyFailure> copy(off_t offset, off_t size) {
        const off_t end = offset + size;
        while (offset < end) {
            const auto piece = static_cast<std::size_t>(std::min<off_t>(end - offset, Piece));
            ssize_t put = 0;
            if (auto failure = m_byHand ? byHand(offset, piece, put) : inKernel(offset, piece, put))
                return failure;
            if (put == 0) // the file got shorter while we copied it
                return std::nullopt;
            offset += put;
            if (!m_step(static_cast<std::uint64_t>(put)))
                return CopyFailure{CopyOutcome::Stopped, 0};
        }
        return std::nullopt;
    }

  private:
    // A file system that cannot copy inside the kernel turns this copier to
    // read and write for good.
    std::optional<CopyFailure> inKernel(off_t offset, std::size_t piece, ssize_t& put) {
        loff_t from = offset, to = offset;
        do
            put = ::copy_file_range(m_in, &from, m_out, &to, piece, 0);
        while (put < 0 && errno == EINTR);
        if (put >= 0) {
            m_copiedInKernel = m_copiedInKernel || put > 0;
            return std::nullopt;
        }
        if (!m_copiedInKernel &&
            (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
            m_byHand = true;
            return byHand(offset, piece, put);
        }
        return CopyFailure{errno == EIO || errno == EBADF ? CopyOutcome::SourceFailed
                                                          : CopyOutcome::TargetFailed,
                           errno};
    }

    std::optional<CopyFailure> byHand(off_t offset, std::size_t piece, ssize_t& put) {
        if (!m_buffer)
            m_buffer = std::make_unique_for_overwrite<char[]>(Piece);
        do
            put = ::pread(m_in, m_buffer.get(), piece, offset);
        while (put < 0 && errno == EINTR);
        if (put < 0)
            return CopyFailure{CopyOutcome::SourceFailed, errno};
        if (::lseek(m_out, offset, SEEK_SET) < 0)
            return CopyFailure{CopyOutcome::TargetFailed, errno};
        if (const int error = writeBytes(m_out, m_buffer.get(), static_cast<std::size_t>(put)))
            return CopyFailure{CopyOutcome::TargetFailed, error};
        return std::nullopt;
    }

    int m_in;
    int m_out;
    const CopyStep& m_step;
    bool m_byHand;
    bool m_copiedInKernel = false;
    std::unique_ptr<char[]> m_buffer;
};

// Copies the first size bytes of in, leaving a hole in out wherever in has
// one, as cp does: a sparse disk image stays small. The holes count as
// copied for the progress.
std::optional<CopyFailure> copyContents(int in, int out, off_t size, const CopyStep& step) {
    RangeCopier copier(in, out, step);
    off_t at = 0;
    while (at < size) {
        off_t data = ::lseek(in, at, SEEK_DATA);
        if (data < 0 && errno == ENXIO) // only a hole to the end
            data = size;
        else if (data < 0) // no holes known here: all of it is data
            data = at;
        off_t hole = data < size ? ::lseek(in, data, SEEK_HOLE) : size;
        hole = hole < 0 ? size : std::min(hole, size);
        if (data > at && !step(static_cast<std::uint64_t>(data - at)))
            return CopyFailure{CopyOutcome::Stopped, 0};
        if (auto failure = copier.copy(data, hole - data))
            return failure;
        at = hole;
    }
    // A hole at the end: the size alone makes it.
    if (::ftruncate(out, size) != 0)
        return CopyFailure{CopyOutcome::TargetFailed, errno};
    return std::nullopt;
}

std::optional<CopyFailure> keepTimes(int out, const struct stat& source) {
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    if (::futimens(out, times) != 0)
        return CopyFailure{CopyOutcome::TargetFailed, errno};
    return std::nullopt;
}

CopyResult result(CopyOutcome outcome, int error) {
    return {outcome, error ? errorText(error) : std::string()};
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
    AtomicFile out;
    AtomicFile::Options options;
    options.replace = false;
    options.newMode = info.st_mode & 0777;
    options.syncNow = false;
    if (const Failure error = out.open(target, options))
        return {CopyOutcome::TargetFailed, error.description()};
    auto failure = copyContents(in.get(), out.descriptor(), info.st_size, step);
    if (!failure)
        failure = keepTimes(out.descriptor(), info);
    if (failure)
        return result(failure->outcome, failure->error);
    if (const Failure error = out.commit())
        return {CopyOutcome::TargetFailed, error.description()};
    return {};
}

Failure syncFileSystem(const std::string& hostFolder) {
    Fd folder(::open(hostFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0 || ::syncfs(folder.get()) != 0)
        return lastFailure();
    return {};
}

} // namespace vt::files
