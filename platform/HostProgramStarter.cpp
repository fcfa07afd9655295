#include "platform/HostProgramStarter.h"

#include "common/QtText.h"
#include "platform/FileSystem.h"

#include <QProcess>
#include <QStringList>

namespace vt {
namespace {

QString hostText(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Qt names the failed call ("execv: No such file or directory"); the user
// wants only the reason.
std::string systemReason(std::string text) {
    const auto colon = text.find(": ");
    if (colon != std::string::npos && text.find(' ') > colon)
        text.erase(0, colon + 2);
    return text;
}

} // namespace

Failure HostProgramStarter::start(std::string_view commandLine, std::string_view workingFolder) {
    const HostLookup lookup = lookUpCommand(commandLine, workingFolder, m_search);
    if (!lookup.command)
        return Failure(lookup.failure());
    const HostCommand& command = *lookup.command;
    QStringList arguments;
    for (std::size_t i = 1; i < command.argv.size(); ++i)
        arguments << hostText(command.argv[i]);
    QProcess process;
    process.setProgram(hostText(command.argv.front()));
    process.setArguments(arguments);
    process.setWorkingDirectory(hostText(command.folder));
    process.setStandardInputFile(QProcess::nullDevice());
    if (process.startDetached())
        return {};
    return Failure(systemReason(fromQString(process.errorString())));
}

} // namespace vt
