#include "cli/Commands.h"

#include "cli/ConsolePrompter.h"
#include "cli/PackSignals.h"
#include "cli/Vtshow.h"
#include "pack/Pack.h"

#include <limits>

namespace vt::cli {
namespace {

struct PackArgs {
    bool yes = false;
    std::string folder;
    std::string show;
    std::vector<std::string> appends;
};

bool parsePack(const std::vector<std::string>& args, PackArgs& pack, std::string& problem) {
    std::vector<std::string> shows;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--yes")
            pack.yes = true;
        else if (args[i] == "-o" && hasValue)
            pack.folder = args[++i];
        else if (args[i] == "--append" && hasValue)
            pack.appends.push_back(args[++i]);
        else if (args[i].size() > 1 && args[i][0] == '-')
            problem = "unknown option " + args[i];
        else
            shows.push_back(args[i]);
    }
    if (problem.empty() && pack.folder.empty())
        problem = "pack needs -o FOLDER";
    else if (problem.empty() && shows.size() != 1)
        problem = "pack: give one show";
    if (problem.empty())
        pack.show = shows.front();
    return problem.empty();
}

} // namespace

int pack(const std::vector<std::string>& args, std::ostream& err) {
    PackArgs request;
    std::string problem;
    if (!parsePack(args, request, problem))
        return usage(err, problem);
    ConsolePrompter prompter(err, request.yes);
    const LoadedShows shows = loadShows(request.show, request.appends, prompter);
    if (shows.model->SlideCount == 0 && prompter.troubleShown())
        return Trouble; // the show could not be read: nothing to pack
    const auto plan =
        pack::planPack(*shows.model, windowsPath(request.folder), shows.source, prompter);
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
