#include "platform/DesktopShellOpener.h"

#include "common/PathText.h"
#include "common/QtText.h"
#include "platform/CommandLine.h"
#include "platform/DriveMap.h"

#include <QDesktopServices>
#include <QUrl>
#include <sys/stat.h>

namespace vt {
namespace {

// The codes the shell answers with.
constexpr long Started = 42;
constexpr long FileNotFound = 2;
constexpr long NoAssociation = 31;

ShellResult openWithDesktop(const QUrl& url) {
    return {QDesktopServices::openUrl(url) ? Started : NoAssociation, {}};
}

// A relative document is looked for in the request's folder.
std::string documentPath(std::string_view file, std::string_view folder) {
    const bool relative = !isAbsolute(file) && !file.starts_with('\\');
    if (relative && !folder.empty())
        return withTrailingBackslash(std::string(folder)) + std::string(file);
    return std::string(file);
}

ShellResult openDocument(std::string_view file, std::string_view folder) {
    const auto host = DriveMap::current().toHost(documentPath(file, folder));
    struct stat info {};
    if (!host || host->empty() || ::stat(host->c_str(), &info) != 0)
        return {FileNotFound, {}};
    return openWithDesktop(
        QUrl::fromLocalFile(QString::fromUtf8(host->data(), static_cast<qsizetype>(host->size()))));
}

} // namespace

ShellResult DesktopShellOpener::open(std::string_view file, std::string_view parameters,
                                     std::string_view folder) {
    switch (shellTargetOf(file)) {
    case ShellTarget::Url:
        return openWithDesktop(QUrl(toQString(file)));
    case ShellTarget::Program:
        return startProgram(file, parameters, folder);
    case ShellTarget::Document:
        break;
    }
    return openDocument(file, folder);
}

// A program that cannot be started is reported with the system's reason, so
// that the user learns why rather than seeing nothing happen.
ShellResult DesktopShellOpener::startProgram(std::string_view file, std::string_view parameters,
                                             std::string_view folder) {
    std::string commandLine = "\"" + std::string(file) + "\"";
    if (!parameters.empty())
        commandLine += " " + std::string(parameters);
    if (const Failure failure = m_starter.start(commandLine, folder))
        return {0, failure.description()};
    return {Started, {}};
}

} // namespace vt
