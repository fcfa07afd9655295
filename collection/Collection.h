#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vt {
class Prompter;
}

// vtshow check and relink over a whole collection of shows at once.
namespace vt::collection {

struct CollectionOptions {
    std::vector<std::string> paths; // shows and folders of shows, host paths as named
    bool relink = false;
    std::vector<std::string> searches; // host folders, walked once for every show
    enum class Output { None, InPlace, IntoFolder } output = Output::None; // None: a dry run
    std::string folder; // host, for IntoFolder
};

// Reads each show on its own, checks it and, relinking, moves its paths to
// what the search folders hold and writes it as asked (a show that needs no
// change is not written). Prints one line per show as it is done, then a
// table of them all; messages go through the prompter, each show's named
// first on err. True when every show was read, nothing is missing any more
// and every fixed show was written as asked.
bool runCollection(const CollectionOptions& options, std::ostream& out, std::ostream& err,
                   Prompter& prompter);

} // namespace vt::collection
