#include "cli/Vtshow.h"

#include "cli/Commands.h"
#include "cli/ConsolePrompter.h"
#include "cli/MediaCommands.h"
#include "cli/Options.h"
#include "cli/Terminal.h"
#include "cli/TerminalText.h"
#include "common/CodePage.h"
#include "common/Numbers.h"
#include "common/PathText.h"
#include "slideshow/FieldReader.h"
#include "slideshow/SlideShowCommands.h"
#include "slideshow/SlideShowWriter.h"

#include <memory>
#include <ostream>

namespace vt::cli {

int usage(std::ostream& err, std::string_view problem) {
    err << "vtshow: " << terminalHostText(problem) << "\n\n" << usageText();
    return BadUsage;
}

namespace {

int info(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> shows;
    CommandOptions options("info");
    options.positionals(shows, "SHOW");
    if (const auto status = options.parse(args, out, err))
        return *status;
    if (shows.size() != 1)
        return options.problem(err, "give one show");
    ConsolePrompter prompter(err, false);
    std::string version = "None";
    const LoadedShows read = loadShows(shows.front(), {}, prompter, [&](std::string_view line) {
        version = shortenedForMessage(line);
    });
    out << terminalText(version) << '\n' << slideCountCaption(read.model->SlideCount) << '\n';
    return prompter.troubleShown() || !read.whole ? Trouble : Success;
}

struct MergeArgs {
    bool yes = false;
    std::string target;
    std::vector<std::string> shows; // the source, then the shows to append
    std::vector<std::string> relocations;
};

void addMergeOptions(CommandOptions& options, MergeArgs& merge) {
    options.flag("--yes", merge.yes, "answers Yes to every question");
    options.value("-o", merge.target, "NEW", "the show to write");
    options.values("--relocate", merge.relocations, "OLD=NEW",
                   "moves the paths in the folder OLD to the folder NEW");
    options.positionals(merge.shows, "SOURCE");
}

std::string mergeProblem(const MergeArgs& merge) {
    if (merge.target.empty())
        return "missing -o NEW";
    if (merge.shows.empty())
        return "missing the source show";
    for (const std::string& relocation : merge.relocations) {
        if (relocation.find('=') == std::string::npos)
            return "--relocate needs OLD=NEW";
    }
    return {};
}

int merge(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    MergeArgs request;
    CommandOptions options("merge");
    addMergeOptions(options, request);
    if (const auto status = options.parse(args, out, err))
        return *status;
    if (const std::string problem = mergeProblem(request); !problem.empty())
        return options.problem(err, problem);
    ConsolePrompter prompter(err, request.yes);
    const auto target = outputPath(request.target, prompter);
    if (!target)
        return Trouble;
    const LoadedShows shows = loadShows(request.shows.front(),
                                        {request.shows.begin() + 1, request.shows.end()}, prompter);
    if (!shows.whole || !relocate(*shows.model, request.relocations, prompter) ||
        !mayWrite(*target, shows, prompter))
        return Trouble;
    std::string lastSlideShow;
    WriteSlideShow(*shows.model, folderPart(target->windows), fileNamePart(target->windows),
                   prompter, lastSlideShow);
    return prompter.troubleShown() ? Trouble : Success;
}

} // namespace

namespace {
int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
} // namespace

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::vector<std::string> args = arguments;
    int number = codepage::active();
    std::string problem;
    if (!takeCodePageOption(args, number, problem))
        return usage(err, problem);
    // For this run only: a caller running vtshow again starts afresh.
    struct Restore {
        int old = codepage::active();
        ~Restore() { codepage::setActive(old); }
    } restore;
    codepage::setActive(number);
    return runCommand(args, out, err);
}

namespace {

int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty())
        return usage(err, "no command given");
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "info")
        return info(rest, out, err);
    if (args[0] == "merge")
        return merge(rest, out, err);
    if (args[0] == "list")
        return list(rest, out, err);
    if (args[0] == "folders")
        return folders(rest, out, err);
    if (args[0] == "check")
        return check(rest, out, err);
    if (args[0] == "relink")
        return relink(rest, out, err);
    if (args[0] == "pack")
        return pack(rest, out, err);
    if (args[0] == "--version") {
        out << "vtshow " << VT_VERSION_MAJOR << '.' << VT_VERSION_MINOR << '.' << VT_VERSION_PATCH
            << '\n';
        return Success;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        out << usageText();
        return Success;
    }
    return usage(err, "unknown command " + args[0]);
}

} // namespace

} // namespace vt::cli
