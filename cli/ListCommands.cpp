#include "cli/Commands.h"

#include "cli/ConsolePrompter.h"
#include "cli/Options.h"
#include "cli/Terminal.h"
#include "cli/Vtshow.h"
#include "listing/FilenameListing.h"
#include "patheditor/PathEditor.h"

#include <functional>
#include <ostream>

namespace vt::cli {
namespace {

struct ShowArgs {
    std::vector<std::string> shows; // the one show
    std::vector<std::string> appends;
    std::string sections;
    UtilityOptions options;
    std::string output; // host path; standard output when empty
    bool yes = false;
};

bool setSections(std::string_view names, UtilityOptions& options) {
    options.chkSlide = options.chkTexture = options.chkSound = options.chkPlayList = false;
    while (true) {
        const auto comma = names.find(',');
        const std::string_view name = names.substr(0, comma);
        if (name == "slides")
            options.chkSlide = true;
        else if (name == "textures")
            options.chkTexture = true;
        else if (name == "sounds")
            options.chkSound = true;
        else if (name == "playlist")
            options.chkPlayList = true;
        else
            return false;
        if (comma == std::string_view::npos)
            return true;
        names.remove_prefix(comma + 1);
    }
}

void addFoldersOptions(CommandOptions& options, ShowArgs& parsed) {
    addAppendOption(options, parsed.appends);
    options.positionals(parsed.shows, "SHOW");
}

void addListOptions(CommandOptions& options, ShowArgs& parsed) {
    addFoldersOptions(options, parsed);
    options.value("--sections", parsed.sections, "NAMES",
                  "the sections to list: slides,textures,sounds,playlist");
    options.flag("--numbers", parsed.options.SlideNumbers, "numbers the files");
    options.value("-o", parsed.output, "FILE", "writes the listing to FILE");
    options.flag("--yes", parsed.yes, "replaces an existing FILE");
}

std::string showArgsProblem(ShowArgs& parsed) {
    if (!parsed.sections.empty() && !setSections(parsed.sections, parsed.options))
        return "unknown section in " + parsed.sections;
    if (parsed.shows.size() != 1)
        return "give one show";
    return {};
}

void printRows(std::ostream& out, std::string_view name, const std::vector<std::string>& rows) {
    out << '[' << name << "]\n";
    for (const std::string& row : rows)
        out << terminalText(row) << '\n';
}

// Listing and folders only read the shows: asking about a show named twice
// is answered Yes, as the user named it twice.
using ShowsCommand = std::function<bool(const ShowArgs&, const LoadedShows&, ConsolePrompter&)>;

int onShows(std::string_view command, const std::vector<std::string>& args, std::ostream& out,
            std::ostream& err, const ShowsCommand& body) {
    ShowArgs request;
    CommandOptions options(command);
    if (command == "list")
        addListOptions(options, request);
    else
        addFoldersOptions(options, request);
    if (const auto status = options.parse(args, out, err))
        return *status;
    if (const std::string problem = showArgsProblem(request); !problem.empty())
        return options.problem(err, problem);
    ConsolePrompter prompter(err, true);
    const LoadedShows shows = loadShows(request.shows.front(), request.appends, prompter);
    const bool done = body(request, shows, prompter);
    return !done || !shows.whole || prompter.troubleShown() ? Trouble : Success;
}

// The listing to its file, asked about as merge asks: never over a show read.
bool writeListing(const std::string& named, const std::string& bytes, bool yes,
                  const LoadedShows& shows, ConsolePrompter& prompter, std::ostream& err) {
    const auto target = outputPath(named, prompter);
    ConsolePrompter answers(err, yes);
    if (!target || !mayWrite(*target, shows, answers))
        return false;
    writeListingFile(target->windows, bytes, prompter);
    return true;
}

} // namespace

int list(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return onShows(
        "list", args, out, err,
        [&](const ShowArgs& request, const LoadedShows& shows, ConsolePrompter& prompter) {
            const std::string bytes = filenameListingBytes(*shows.model, request.options);
            if (!request.output.empty() && !shows.whole)
                return false; // no listing of what could not be read is kept
            if (!request.output.empty())
                return writeListing(request.output, bytes, request.yes, shows, prompter, err);
            out << listingText(bytes);
            return true;
        });
}

int folders(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return onShows("folders", args, out, err,
                   [&](const ShowArgs&, const LoadedShows& shows, ConsolePrompter&) {
                       const PathEditor editor(*shows.model);
                       printRows(out, "ListSlide", editor.ListSlide);
                       printRows(out, "ListTexture", editor.ListTexture);
                       printRows(out, "ListSound", editor.ListSound);
                       out << "[TextSound]\n" << terminalText(editor.TextSound) << '\n';
                       return true;
                   });
}

} // namespace vt::cli
