#pragma once

#include "common/Failure.h"
#include "platform/DriveMap.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <sys/types.h>
#include <string>
#include <string_view>

// Files named by Windows paths. Failures come back as a Failure holding the
// system's own description ("No such file or directory"), for the message
// boxes.
namespace vt::files {

// An ordinary file: a regular file whose name does not start with a dot (a
// hidden file does not count, as on Windows).
bool fileExists(std::string_view windowsPath);
bool folderExists(std::string_view windowsPath);
// Anything at all under that name, hidden or not: what must not be replaced
// without asking.
bool entryExists(std::string_view windowsPath);

// The bytes of a whole file, read in one go.
class FileBytes {
public:
    std::string_view view() const { return {m_data.get(), m_size}; }

private:
  friend Failure readHostFile(const std::string& hostPath, FileBytes& bytes);
  struct Free {
      void operator()(char* data) const;
    };
    std::unique_ptr<char, Free> m_data;
    std::size_t m_size = 0;
};

// Whether two host paths name the same file: the same device and inode where
// the file is there (through links, "..", or another letter case on a file
// system that ignores it), else the same path once the links of the folders
// that are there are resolved.
bool sameHostFile(const std::string& first, const std::string& second);

// The same for two Windows paths; paths that only Windows would take for one
// file (letter case aside) count as one too. A '?' stands for a character
// the code page lacks, so such text is compared on the disk only.
bool sameFile(std::string_view first, std::string_view second);

// Two paths the user named: the same file on the disk, or, where the code
// page holds both names, Windows paths that differ in letter case only.
bool sameUserFile(const UserPath& first, const UserPath& second);

// A folder, or a link to one, at a host path.
bool isHostFolder(const std::string& hostPath);

// What kind of thing is at a host path, for a message, when it is there but
// is not a regular file ("a folder", "a named pipe" ...); empty otherwise.
std::string notRegularKind(const std::string& hostPath);

// Reads the whole file into bytes.
Failure readWholeFile(std::string_view windowsPath, FileBytes& bytes);
Failure readHostFile(const std::string& hostPath, FileBytes& bytes);
// A regular file read a piece at a time, only as far as it reached when it
// was opened: however large the file, only the caller's buffer is in memory.
class FileReader {
public:
    FileReader() = default;
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;
    ~FileReader();

    Failure open(std::string_view windowsPath);
    // Reads up to size more bytes into data: the count, 0 at the end. A
    // failure goes to error (and 0 is returned).
    std::size_t read(char* data, std::size_t size, Failure& error);

  private:
    int m_fd = -1;
    std::uint64_t m_left = 0;
};

// The first bytes of a file, at most size of them.
Failure readFileStart(std::string_view windowsPath, std::size_t size, std::string& start);

// Replaces a host file's contents as a whole, through an AtomicFile.
Failure replaceHostFile(const std::string& hostPath, std::string_view bytes);
Failure replaceFile(std::string_view windowsPath, std::string_view bytes);
// The same for a file that must be new: refused (EEXIST) when anything is
// at hostPath; unless syncNow, the caller syncs the file system later.
Failure writeNewHostFile(const std::string& hostPath, std::string_view bytes, bool syncNow);

// Deletes a file.
Failure deleteFile(std::string_view windowsPath);

// A whole file, written under a hidden temporary name beside its target and
// renamed over the target only when complete and on the disk: readers, and
// whoever looks after a crash or a full disk, see the old file or the new
// one, never a half-written one. A symbolic link at the target is written
// through: the link stays, the file it names is replaced. A replaced file
// keeps its owner and permissions; a new one gets what the umask allows.
// Until commit() succeeds, destroying it or discard() removes the temporary and
// leaves the target as it was.
class AtomicFile {
public:
    struct Options {
        bool replace = true;     // false: refuse (EEXIST) when anything is at the target
        mode_t newMode = 0666;   // before the umask, for a file that did not exist
        bool syncNow = true;     // false: the caller syncs the file system later
    };

    AtomicFile() = default;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile() { discard(); }

    Failure open(const std::string& hostPath, Options options);
    Failure open(const std::string& hostPath) { return open(hostPath, Options{}); }
    Failure openWindows(std::string_view windowsPath);
    Failure write(std::string_view bytes);
    Failure commit();
    void discard();

    // The temporary's descriptor, for copies made inside the kernel.
    int descriptor() const { return m_fd; }

private:
    int putInPlace();
    int closeDescriptor();

    int m_fd = -1;
    std::string m_target;
    std::string m_temporary;
    Options m_options;
    bool m_keepOwner = false;
    struct Owner {
        uid_t uid = 0;
        gid_t gid = 0;
        mode_t mode = 0;
    } m_owner;
};

// Writes all bytes to fd; the failure's errno, or 0. Every file the program
// writes goes through here, so the tests' write fault reaches all of them.
int writeBytes(int fd, const char* data, std::size_t size);

// For the tests: a disk that fails with error (ENOSPC, EIO) once this many
// more bytes have been written by writeBytes.
struct WriteFault {
    int error = 0;
    std::size_t afterBytes = 0;
};
void setWriteFault(std::optional<WriteFault> fault);
bool writeFaultSet();

// The description of the last system call's failure.
std::string lastErrorText();
std::string errorText(int errorNumber);
// The same as a Failure; none for 0.
Failure failureOf(int errorNumber);
Failure lastFailure();

} // namespace vt::files
