#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Finds the host program that a Windows command line names.
namespace vt {

// A program to run on the host: the program and its arguments, UTF-8 host
// text, and the folder to run it in ("" keeps ours).
struct HostCommand {
    std::vector<std::string> argv;
    std::string folder;
};

// The host's folders of programs, $PATH.
class ProgramSearch {
public:
    explicit ProgramSearch(std::vector<std::string> folders) : m_folders(std::move(folders)) {}
    static ProgramSearch fromEnvironment();

    // The first executable file of that name in the folders; "" when none.
    std::string find(std::string_view name) const;

private:
    std::vector<std::string> m_folders;
};

// Either the command to run, or the errno that tells why there is none
// (ENOEXEC: a Windows program, and no Wine to run it).
struct HostLookup {
    std::optional<HostCommand> command;
    int error = 0;

    // What to tell the user about error.
    std::string failure() const;
};

// How the host runs a Windows command line: a native build of the program
// beside it if there is one, else the Windows program through wine in our
// Wine prefix (WINEPREFIX given explicitly, so that a launcher started from
// another session finds the same one); NOTEPAD
// and WORDPAD without a folder become the desktop's own editors.
// workingFolder is a Windows path; "" keeps ours.
HostLookup lookUpCommand(std::string_view commandLine, std::string_view workingFolder,
                         const ProgramSearch& search);

// A document named by a Windows path, as a host program's argument: a
// relative path that starts like an option gets "./" first. nullopt when no
// host file can have that name.
std::optional<std::string> documentOnHost(std::string_view windowsPath);

} // namespace vt
