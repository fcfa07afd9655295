#include "shortcuts/DesktopEntry.h"

#include "common/CodePage.h"
#include "common/PathText.h"
#include "platform/CommandLine.h"
#include "platform/DriveMap.h"
#include "platform/FileSystem.h"
#include "platform/HostFiles.h"
#include "shortcuts/TrustedLauncher.h"

#include <filesystem>
#include <stdexcept>

namespace vt {
namespace {

constexpr std::string_view LinkExtension = ".lnk";
constexpr std::string_view LauncherExtension = ".desktop";
constexpr std::string_view DocumentOpener = "xdg-open";

// Inside double quotes these four keep their meaning unless escaped.
std::string quotedArgument(std::string_view argument) {
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
        if (c == '%')
            quoted += '%';
    }
    return quoted + '"';
}

std::string_view withoutLinkExtension(std::string_view path) {
    const std::string_view name = fileNamePart(path);
    if (name.size() >= LinkExtension.size() &&
        equalsIgnoringCase(name.substr(name.size() - LinkExtension.size()), LinkExtension))
        path.remove_suffix(LinkExtension.size());
    return path;
}

// A link named ".lnk" alone has no name of its own: it shows its target.
std::string launcherName(std::string_view linkPath, std::string_view target) {
    const std::string_view name = fileNamePart(withoutLinkExtension(linkPath));
    return codepage::toUtf8(name.empty() ? target : name);
}

// The launcher is replaced in one step, so that a failure leaves no half
// of one; desktops start only launchers that may be executed, and GNOME's
// only trusted ones without asking.
void writeLauncher(const std::string& hostPath, std::string_view text) {
    Failure failure = files::replaceHostFile(hostPath, text);
    if (!failure)
        failure = files::setPermissions(hostPath, 0755);
    if (failure)
        throw std::runtime_error(hostPath + ": " + failure.description());
    markLauncherTrusted(hostPath);
}

} // namespace

std::string desktopStringValue(std::string_view utf8) {
    std::string value;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\\')
            value += "\\\\";
        else if (c == '\n')
            value += "\\n";
        else if (c == '\r')
            value += "\\r";
        else if (c == '\t')
            value += "\\t";
        else if (c == ' ' && (i == 0 || i + 1 == utf8.size()))
            value += "\\s"; // readers drop blanks around a value
        else if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F')
            throw std::invalid_argument("a control character has no place in a launcher");
        else
            value += c;
    }
    return value;
}

std::string desktopExecValue(const std::vector<std::string>& argv) {
    std::string exec;
    for (const std::string& argument : argv) {
        if (!exec.empty())
            exec += ' ';
        exec += quotedArgument(argument);
    }
    return desktopStringValue(exec);
}

std::string desktopEntryText(std::string_view name, const std::vector<std::string>& argv,
                             std::string_view folder) {
    std::string text = "[Desktop Entry]\nType=Application\nVersion=1.0\n";
    text += "Name=" + desktopStringValue(name) + "\n";
    text += "Exec=" + desktopExecValue(argv) + "\n";
    if (!folder.empty())
        text += "Path=" + desktopStringValue(folder) + "\n";
    text += "Terminal=false\n";
    return text;
}

// A launcher that could not start its program would be a dead one.
std::vector<std::string> launchCommand(std::string_view target, const ProgramSearch& search) {
    if (shellTargetOf(target) == ShellTarget::Program) {
        const HostLookup lookup = lookUpCommand("\"" + std::string(target) + "\"", {}, search);
        if (!lookup.command)
            throw std::runtime_error(codepage::toUtf8(target) + ": " + lookup.failure());
        return lookup.command->argv;
    }
    const auto host = documentOnHost(target);
    if (!host)
        throw std::runtime_error("no host file for " + codepage::toUtf8(target));
    return {std::string(DocumentOpener), *host};
}

// The launcher's host path, which must be a file right in the desktop
// folder: a name taken from a remembered document may hold "/" or be "..",
// and must not climb out (into autostart, say).
std::string DesktopEntryShortcutHelper::launcherPath(std::string_view linkPath) const {
    const std::string_view name = fileNamePart(withoutLinkExtension(linkPath));
    const auto host = DriveMap::current().toHostAsWritten(
        std::string(withoutLinkExtension(linkPath)) + std::string(LauncherExtension));
    namespace stdfs = std::filesystem;
    std::error_code error;
    const bool inDesktop = host && !m_hostDesktop.empty() &&
                           stdfs::weakly_canonical(stdfs::path(*host).parent_path(), error) ==
                               stdfs::weakly_canonical(m_hostDesktop, error);
    if (!inDesktop || error || name == "." || name == ".." ||
        name.find('/') != std::string_view::npos)
        throw std::runtime_error("no launcher may be named " + codepage::toUtf8(name));
    return *host;
}

std::int32_t DesktopEntryShortcutHelper::GetFolderPath(std::int32_t, std::int16_t folder,
                                                       std::string& path) {
    std::error_code error;
    if (folder != Desktop || m_hostDesktop.empty())
        return 0;
    std::filesystem::create_directories(m_hostDesktop, error);
    if (error || !std::filesystem::is_directory(m_hostDesktop, error))
        return 0;
    path = DriveMap::current().toWindows(m_hostDesktop);
    return 1;
}

// The further texts and numbers have no place in a launcher.
std::int32_t DesktopEntryShortcutHelper::CreateShortcut(std::string& linkPath, std::string& target,
                                                        std::string& workingFolder, std::string&,
                                                        std::string&, std::int32_t&,
                                                        std::int32_t&) {
    const std::string host = launcherPath(linkPath);
    std::string folder;
    if (!workingFolder.empty())
        folder = DriveMap::current().toHost(workingFolder).value_or(codepage::toUtf8(workingFolder));
    const std::string text =
        desktopEntryText(launcherName(linkPath, target), launchCommand(target, m_search), folder);
    writeLauncher(host, text);
    return 1;
}

} // namespace vt
