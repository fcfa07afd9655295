#pragma once

#include "cli/Vtshow.h"

#include <sstream>
#include <string>
#include <vector>

namespace vt::test {

// Runs vtshow in this process: the exit status, standard output and standard
// error, joined by '|'.
inline std::string vtshow(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = cli::run(args, out, err);
    return std::to_string(status) + "|" + out.str() + "|" + err.str();
}

} // namespace vt::test
