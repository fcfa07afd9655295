#include "platform/ProgramLookup.h"

#include "common/CodePage.h"
#include "common/PathText.h"
#include "platform/CommandLine.h"
#include "platform/DriveMap.h"
#include "platform/FileSystem.h"
#include "platform/WineRegistry.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vt {
namespace {

constexpr std::array<std::string_view, 10> TextEditors = {
    "gnome-text-editor", "gedit",   "kate", "kwrite", "mousepad", "xed", "pluma",
    "featherpad",        "leafpad", "geany"};
constexpr std::array<std::string_view, 3> WordProcessors = {"lowriter", "abiword", "calligrawords"};
constexpr std::string_view Opener = "xdg-open";
constexpr std::string_view WineMissing =
    "This is a Windows program, and Wine, which runs Windows programs here, is not installed "
    "(there is no wine on the PATH)";

bool isFile(const std::string& host) {
    struct stat info {};
    return ::stat(host.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool isExecutable(const std::string& host) {
    return isFile(host) && ::access(host.c_str(), X_OK) == 0;
}

// Programs are started by path, never looked up again on $PATH.
std::string absoluteHost(const std::string& host) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(host, error);
    return error ? host : absolute.lexically_normal().string();
}

std::optional<std::string> hostFile(std::string_view windowsPath) {
    auto host = DriveMap::current().toHost(windowsPath);
    if (!host || host->empty())
        return std::nullopt;
    return absoluteHost(*host);
}

bool isEditorName(std::string_view program, std::string_view name) {
    return folderPart(program).empty() && equalsIgnoringCase(withProgramExtension(program), name);
}

// The first editor the desktop has for that kind of program; "" when none.
std::string desktopEditor(bool wordProcessor, const ProgramSearch& search) {
    if (wordProcessor) {
        for (std::string_view name : WordProcessors) {
            if (auto found = search.find(name); !found.empty())
                return found;
        }
    }
    for (std::string_view name : TextEditors) {
        if (auto found = search.find(name); !found.empty())
            return found;
    }
    return search.find(Opener);
}

// Notepad takes the whole rest of its line as the file to open.
std::vector<std::string> editorArguments(std::string_view arguments) {
    const std::string document = documentArgument(arguments);
    if (document.empty())
        return {};
    return {documentOnHost(document).value_or(codepage::toUtf8(document))};
}

HostLookup throughWine(const std::string& exe, const ProgramSearch& search) {
    const std::string wine = search.find("wine");
    if (wine.empty())
        return {std::nullopt, ENOEXEC};
    HostCommand command;
    const std::string env = search.find("env");
    if (!env.empty())
        command.argv = {env, "WINEPREFIX=" + registry::winePrefix()};
    command.argv.push_back(wine);
    command.argv.push_back(exe);
    return {command};
}

// A native build beside the Windows program, else the Windows program
// through wine; a bare name may also be a native program on $PATH.
HostLookup lookUpProgram(std::string_view program, const ProgramSearch& search) {
    const std::string native = std::string(folderPart(program)) + nativeProgramName(program);
    if (auto host = hostFile(native); host && isExecutable(*host))
        return {HostCommand{{*host}, {}}};
    if (auto exe = hostFile(withProgramExtension(program)); exe && isFile(*exe))
        return throughWine(*exe, search);
    if (folderPart(program).empty()) {
        if (auto onPath = search.find(nativeProgramName(program)); !onPath.empty())
            return {HostCommand{{onPath}, {}}};
    }
    return {std::nullopt, ENOENT};
}

// The host program for one reading; its error when it names none.
HostLookup lookUpReading(const ProgramReading& reading, const ProgramSearch& search) {
    const std::string& program = reading.program;
    const bool wordPad = isEditorName(program, "WORDPAD.EXE");
    if (wordPad || isEditorName(program, "NOTEPAD.EXE")) {
        std::string editor = desktopEditor(wordPad, search);
        if (editor.empty())
            return {std::nullopt, ENOENT};
        HostCommand command{{editor}, {}};
        for (std::string& argument : editorArguments(reading.arguments))
            command.argv.push_back(std::move(argument));
        return {command};
    }
    HostLookup lookup = lookUpProgram(program, search);
    if (!lookup.command)
        return lookup;
    for (const std::string& argument : splitArguments(reading.arguments))
        lookup.command->argv.push_back(codepage::toUtf8(argument));
    return lookup;
}

// The host folder to run in; its error when there is no such folder.
HostLookup withFolder(HostLookup lookup, std::string_view workingFolder) {
    if (!lookup.command || workingFolder.empty())
        return lookup;
    const auto host = DriveMap::current().toHost(workingFolder);
    struct stat info {};
    if (!host || host->empty() || ::stat(host->c_str(), &info) != 0)
        return {std::nullopt, ENOENT};
    if (!S_ISDIR(info.st_mode))
        return {std::nullopt, ENOTDIR};
    lookup.command->folder = absoluteHost(*host);
    return lookup;
}

} // namespace

std::string HostLookup::failure() const {
    return error == ENOEXEC ? std::string(WineMissing) : files::errorText(error);
}

ProgramSearch ProgramSearch::fromEnvironment() {
    std::vector<std::string> folders;
    const char* path = std::getenv("PATH");
    std::string_view rest = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (!rest.empty()) {
        const auto colon = rest.find(':');
        const std::string_view folder = rest.substr(0, colon);
        if (!folder.empty()) // an empty entry would mean the current folder
            folders.emplace_back(folder);
        rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    }
    return ProgramSearch(std::move(folders));
}

std::string ProgramSearch::find(std::string_view name) const {
    if (name.empty() || name.find('/') != std::string_view::npos)
        return {};
    for (const std::string& folder : m_folders) {
        const std::string candidate = folder + "/" + std::string(name);
        if (isExecutable(candidate))
            return candidate;
    }
    return {};
}

std::optional<std::string> documentOnHost(std::string_view windowsPath) {
    auto host = DriveMap::current().toHost(windowsPath);
    if (!host || host->empty())
        return std::nullopt;
    if (host->front() == '-')
        host->insert(0, "./");
    return host;
}

HostLookup lookUpCommand(std::string_view commandLine, std::string_view workingFolder,
                         const ProgramSearch& search) {
    HostLookup lookup{std::nullopt, ENOENT};
    for (const ProgramReading& reading : programReadings(commandLine)) {
        lookup = lookUpReading(reading, search);
        if (lookup.error != ENOENT)
            break; // CreateProcess takes the first reading that names a file
    }
    return withFolder(std::move(lookup), workingFolder);
}

} // namespace vt
