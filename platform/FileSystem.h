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
    friend std::string readWholeFile(std::string_view windowsPath, FileBytes& bytes);
    std::unique_ptr<char[]> m_data;
    std::size_t m_size = 0;
};

// Reads the whole file into bytes. Returns the failure's description, or the
// empty text on success.
std::string readWholeFile(std::string_view windowsPath, FileBytes& bytes);

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
