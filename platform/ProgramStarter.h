#pragma once

#include <string>
#include <string_view>

namespace vt {

// Starts a program from a Windows command line, as CreateProcess would, and
// does not wait for it. An unquoted program path with blanks is tried at each
// blank. Returns the empty text on success, otherwise the system's
// description of the failure.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual std::string start(std::string_view commandLine, std::string_view workingFolder = {}) = 0;
};

} // namespace vt
