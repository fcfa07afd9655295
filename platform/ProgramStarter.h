#pragma once

#include "common/Failure.h"

#include <string>
#include <string_view>

namespace vt {

// Starts a program from a Windows command line, as CreateProcess would, and
// does not wait for it. An unquoted program path with blanks is tried at each
// blank. A failure carries the system's description of it.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual Failure start(std::string_view commandLine, std::string_view workingFolder = {}) = 0;
};

} // namespace vt
