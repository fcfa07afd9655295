#include "cli/Commands.h"

#include "cli/ConsolePrompter.h"
#include "cli/Vtshow.h"
#include "cli/TerminalText.h"
#include "listing/FilenameListing.h"
#include "patheditor/PathEditor.h"

#include <functional>
#include <ostream>

namespace vt::cli {
namespace {

struct ShowArgs {
    std::string show;
    std::vector<std::string> appends;
    UtilityOptions options;
    std::string output; // host path; standard output when empty
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

// Reads "--append SHOW" and SHOW for both commands, the listing's own options
// only when listing is true.
bool parseShowArgs(const std::vector<std::string>& args, bool listing, ShowArgs& parsed,
                   std::string& problem) {
    std::vector<std::string> shows;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--append" && hasValue) {
            parsed.appends.push_back(args[++i]);
        } else if (listing && arg == "--sections" && hasValue) {
            if (!setSections(args[++i], parsed.options))
                problem = "unknown section in " + args[i];
        } else if (listing && arg == "--numbers") {
            parsed.options.SlideNumbers = true;
        } else if (listing && arg == "-o" && hasValue) {
            parsed.output = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            problem = "unknown option " + arg;
        } else {
            shows.push_back(arg);
        }
    }
    if (problem.empty() && shows.size() != 1)
        problem = "give one show";
    if (problem.empty())
        parsed.show = shows.front();
    return problem.empty();
}

void printRows(std::ostream& out, std::string_view name, const std::vector<std::string>& rows) {
    out << '[' << name << "]\n";
    for (const std::string& row : rows)
        out << toTerminal(row) << '\n';
}

// Listing and folders only read the shows: asking about a show named twice
// is answered Yes, as the user named it twice.
using ShowsCommand = std::function<void(const ShowArgs&, const SlideShowModel&, Prompter&)>;

int onShows(std::string_view command, const std::vector<std::string>& args, std::ostream& err,
            const ShowsCommand& body) {
    ShowArgs request;
    std::string problem;
    if (!parseShowArgs(args, command == "list", request, problem))
        return usage(err, std::string(command) + ": " + problem);
    ConsolePrompter prompter(err, true);
    const LoadedShows shows = loadShows(request.show, request.appends, prompter);
    body(request, *shows.model, prompter);
    return prompter.troubleShown() ? Trouble : Success;
}

} // namespace

int list(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return onShows("list", args, err,
                   [&](const ShowArgs& request, const SlideShowModel& model, Prompter& prompter) {
                       const std::string bytes = filenameListingBytes(model, request.options);
                       if (request.output.empty())
                           out << toTerminal(bytes); // a listing file keeps the code page
                       else
                           writeListingFile(windowsPath(request.output), bytes, prompter);
                   });
}

int folders(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return onShows("folders", args, err,
                   [&](const ShowArgs&, const SlideShowModel& model, Prompter&) {
                       const PathEditor editor(model);
                       printRows(out, "ListSlide", editor.ListSlide);
                       printRows(out, "ListTexture", editor.ListTexture);
                       printRows(out, "ListSound", editor.ListSound);
                       out << "[TextSound]\n" << toTerminal(editor.TextSound) << '\n';
                   });
}

} // namespace vt::cli
