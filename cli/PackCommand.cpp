#include "cli/Commands.h"

#include "cli/CliTexts.h"
#include "cli/ConsolePrompter.h"
#include "cli/Options.h"
#include "cli/PackSignals.h"
#include "cli/Vtshow.h"
#include "pack/Pack.h"

#include <limits>

namespace vt::cli {
namespace {

struct PackArgs {
    bool yes = false;
    std::string folder;
    std::vector<std::string> shows; // the one show
    std::vector<std::string> appends;
};

void addPackOptions(CommandOptions& options, PackArgs& pack) {
    addAppendOption(options, pack.appends);
    options.flag("--yes", pack.yes, "uses a FOLDER that is not empty");
    options.value("-o", pack.folder, "FOLDER", "the folder to pack into");
    options.positionals(pack.shows, "SHOW");
}

std::string packProblem(const PackArgs& pack) {
    if (pack.folder.empty())
        return "missing -o FOLDER";
    if (pack.shows.size() != 1)
        return "give one show";
    return {};
}

// The packed show is named after the source, so its name must fit in the show's
// code page; the folder must be none of the shows read.
bool mayPackInto(const UserPath& folder, const LoadedShows& shows, ConsolePrompter& prompter) {
    const UserPath& source = shows.named.front();
    if (!source.storable) {
        prompter.tell(Icon::Critical, clitexts::NotStorable, source.host);
        return false;
    }
    return !isAShowRead(folder, shows, prompter);
}

} // namespace

int pack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    PackArgs request;
    CommandOptions options("pack");
    addPackOptions(options, request);
    if (const auto status = options.parse(args, out, err))
        return *status;
    if (const std::string problem = packProblem(request); !problem.empty())
        return options.problem(err, problem);
    ConsolePrompter prompter(err, request.yes);
    const LoadedShows shows = loadShows(request.shows.front(), request.appends, prompter);
    const UserPath folder = namedByUser(request.folder);
    if (!shows.whole || !mayPackInto(folder, shows, prompter))
        return Trouble; // nothing to pack but what was read whole
    const auto plan = pack::planPack(*shows.model, folder.windows, shows.source, prompter);
    if (!plan)
        return Trouble;
    pack::PackProgress progress;
    const CancelOnSignals signals(progress);
    const pack::PackResult result = pack::runPack(*plan, progress);
    pack::reportPack(*plan, result, prompter, std::numeric_limits<std::size_t>::max());
    if (signals.received())
        return 128 + signals.received(); // as a shell reports a program ended by it
    return prompter.troubleShown() || result.outcome != pack::Outcome::Packed ? Trouble : Success;
}

} // namespace vt::cli
