#pragma once

#include <string>
#include <string_view>

namespace vt {

// The outcome of asking the desktop to open a file, a program or a web page.
// code >= 32 is success; 2 (file not found) and 31 (no association) are the
// failures the desktop answers with. failure, when not empty, is the
// description of a request that could not be made at all.
struct ShellResult {
    long code = 0;
    std::string failure;

    bool succeeded() const { return failure.empty() && code >= 32; }
};

class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    // "open" on file (a document, a program or a URL) with parameters, in folder.
    virtual ShellResult open(std::string_view file, std::string_view parameters,
                             std::string_view folder) = 0;
};

} // namespace vt
