#pragma once

#include "app/AppendList.h"
#include "slideshow/SlideShowModel.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vt {
class Prompter;
}

// The pieces vtshow's commands share.
namespace vt::cli {

int usage(std::ostream& err, std::string_view problem);
std::string windowsPath(const std::string& hostPath);

// The opened show followed by the appended ones, as the window holds them.
struct LoadedShows {
    std::unique_ptr<SlideShowModel> model = std::make_unique<SlideShowModel>();
    std::string source; // Windows path
    AppendList appended;
};

// Opens the source and appends each show in order, asking what the window
// would ask. Paths are host paths as the user gave them.
LoadedShows loadShows(const std::string& source, const std::vector<std::string>& appends,
                      Prompter& prompter);

// Applies each OLD=NEW in order with the path editor's checks; false, without
// changing the model, when one is refused.
bool relocate(SlideShowModel& model, const std::vector<std::string>& relocations,
              Prompter& prompter);

int list(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int folders(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int pack(const std::vector<std::string>& args, std::ostream& err);

} // namespace vt::cli
