#pragma once

#include <memory>
#include <string>
#include <string_view>

// Files named by Windows paths. Failures come back as the system's own
// description ("No such file or directory"), for the message boxes.
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
    friend std::string readHostFile(const std::string& hostPath, FileBytes& bytes);
    std::unique_ptr<char[]> m_data;
    std::size_t m_size = 0;
};

// Reads the whole file into bytes. Returns the failure's description, or the
// empty text on success.
std::string readWholeFile(std::string_view windowsPath, FileBytes& bytes);
std::string readHostFile(const std::string& hostPath, FileBytes& bytes);

// Replaces a host file's contents as a whole: a temporary beside it is
// written and renamed over it, so readers see the old file or the new one,
// never a half-written one. A symbolic link keeps pointing at the file, and
// the file keeps its permissions. A missing file is created, a missing folder
// is not. Returns the failure's description or the empty text.
std::string replaceHostFile(const std::string& hostPath, std::string_view bytes);

// Deletes a file; returns the failure's description or the empty text.
std::string deleteFile(std::string_view windowsPath);

// A file written from the start, replacing what it held. Each call returns the
// failure's description, or the empty text on success. What was written
// before a failure stays on disk.
class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();

    std::string open(std::string_view windowsPath);
    std::string write(std::string_view bytes);
    std::string close();

private:
    int m_fd = -1;
};

// The description of the last system call's failure.
std::string lastErrorText();
std::string errorText(int errorNumber);

} // namespace vt::files
