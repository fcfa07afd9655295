#pragma once

#include "platform/ProgramStarter.h"
#include "platform/ShellOpen.h"

namespace vt {

// Opens web pages and documents with the desktop's own choice of program, and
// starts programs through a ProgramStarter.
class DesktopShellOpener : public ShellOpener {
public:
    explicit DesktopShellOpener(ProgramStarter& starter) : m_starter(starter) {}

    ShellResult open(std::string_view file, std::string_view parameters,
                     std::string_view folder) override;

private:
    ShellResult startProgram(std::string_view file, std::string_view parameters,
                             std::string_view folder);

    ProgramStarter& m_starter;
};

} // namespace vt
