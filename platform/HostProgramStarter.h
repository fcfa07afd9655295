#pragma once

#include "platform/ProgramLookup.h"
#include "platform/ProgramStarter.h"

namespace vt {

// Starts programs on this desktop: the Windows command line is looked up as
// lookUpCommand says, then run detached, so that it outlives us.
class HostProgramStarter : public ProgramStarter {
public:
    HostProgramStarter() : m_search(ProgramSearch::fromEnvironment()) {}
    explicit HostProgramStarter(ProgramSearch search) : m_search(std::move(search)) {}

    Failure start(std::string_view commandLine, std::string_view workingFolder = {}) override;

  private:
    ProgramSearch m_search;
};

} // namespace vt
