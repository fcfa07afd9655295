#include "cli/Vtshow.h"

#include "cli/Commands.h"
#include "cli/ConsolePrompter.h"
#include "cli/MediaCommands.h"
#include "common/Cp1252.h"
#include "common/Numbers.h"
#include "common/PathText.h"
#include "platform/DriveMap.h"
#include "slideshow/FieldReader.h"
#include "slideshow/SlideShowCommands.h"
#include "slideshow/SlideShowWriter.h"

#include <memory>
#include <ostream>

namespace vt::cli {
namespace {

constexpr std::string_view Usage =
    "usage:\n"
    "  vtshow info SHOW\n"
    "  vtshow merge [--yes] [--relocate OLD=NEW]... -o NEW SOURCE [APPEND ...]\n"
    "  vtshow list [--append SHOW]... [--sections slides,textures,sounds,playlist]\n"
    "              [--numbers] [-o FILE] SHOW\n"
    "  vtshow folders [--append SHOW]... SHOW\n"
    "  vtshow check [--append SHOW]... SHOW\n"
    "  vtshow check SHOW|FOLDER...\n"
    "  vtshow relink --search DIR [--search DIR]... [--yes] [--dry-run] -o NEW\n"
    "              [--append SHOW]... SHOW\n"
    "  vtshow relink --search DIR [--search DIR]... [--yes]\n"
    "              (-O DIR | --in-place | --dry-run) SHOW|FOLDER...\n"
    "  vtshow pack [--append SHOW]... [--yes] -o FOLDER SHOW\n"
    "\n"
    "info     reads SHOW and prints its version line and its number of slides.\n"
    "merge    opens SOURCE, appends each APPEND in order and writes NEW, asking what\n"
    "         the window would ask; every question is answered No, or Yes with --yes.\n"
    "         Each --relocate then moves every path that begins with the folder OLD\n"
    "         (as a row of the path editor shows it) to the folder NEW, before NEW\n"
    "         is written.\n"
    "list     writes the listing of every file name that SHOW and the appended\n"
    "         shows refer to, in the chosen sections (all four by default), with\n"
    "         numbers if asked; to FILE, or as it is to standard output.\n"
    "folders  prints the rows of the path editor's lists and its main sound file.\n"
    "check    prints each row of the path editor with its number of files and of\n"
    "         missing ones, then each missing file; exits with 1 when any is missing.\n"
    "relink   looks for the missing files by name under each DIR and moves each\n"
    "         row to the folder holding most of its files, as the path editor's\n"
    "         Modify does; a file found only elsewhere gets a path of its own. A tie\n"
    "         is shown with its candidates and left alone. Writes NEW as merge does\n"
    "         (not with --dry-run); exits with 1 when files are still missing.\n"
    "         Given several shows or folders (every *.vts below them), check and\n"
    "         relink read each show on its own, search the DIRs once for all,\n"
    "         print a line per show and a table; relink writes each changed show\n"
    "         under DIR with the same layout (-O), or over itself keeping the old\n"
    "         one as NAME.vts.bak (--in-place). Exit status 0 when every show is\n"
    "         whole, 1 when a file is missing or a show could not be read.\n"
    "pack     copies every file that SHOW and the appended shows need into FOLDER,\n"
    "         one subfolder per source folder, and writes FOLDER/NAME.vts with paths\n"
    "         relative to FOLDER; missing files are listed and keep their paths. A\n"
    "         FOLDER that is not empty is used only with --yes, and nothing in it is\n"
    "         replaced. Exit status 1 when a file was missing.\n";

} // namespace

int usage(std::ostream& err, std::string_view problem) {
    err << "vtshow: " << problem << "\n\n" << Usage;
    return BadUsage;
}

std::string windowsPath(const std::string& hostPath) {
    return DriveMap::current().toWindowsFromUser(hostPath);
}

namespace {

int info(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1)
        return usage(err, "info takes one show");
    ConsolePrompter prompter(err, false);
    auto model = std::make_unique<SlideShowModel>();
    std::string version = "None";
    openSlideShow(*model, windowsPath(args[0]), prompter,
                  [&](std::string_view line) { version = shortenedForMessage(line); });
    out << cp1252::toUtf8(version) << '\n' << slideCountCaption(model->SlideCount) << '\n';
    return prompter.troubleShown() ? Trouble : Success;
}

struct MergeArgs {
    bool yes = false;
    std::string target;
    std::vector<std::string> shows; // the source, then the shows to append
    std::vector<std::string> relocations;
};

bool parseMerge(const std::vector<std::string>& args, MergeArgs& merge, std::string& problem) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--yes") {
            merge.yes = true;
        } else if (args[i] == "-o" && i + 1 < args.size()) {
            merge.target = args[++i];
        } else if (args[i] == "--relocate" && i + 1 < args.size()) {
            merge.relocations.push_back(args[++i]);
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            problem = "unknown option " + args[i];
            return false;
        } else {
            merge.shows.push_back(args[i]);
        }
    }
    if (merge.target.empty())
        problem = "merge needs -o NEW";
    else if (merge.shows.empty())
        problem = "merge needs a source show";
    for (const std::string& relocation : merge.relocations) {
        if (relocation.find('=') == std::string::npos)
            problem = "--relocate needs OLD=NEW";
    }
    return problem.empty();
}

int merge(const std::vector<std::string>& args, std::ostream& err) {
    MergeArgs request;
    std::string problem;
    if (!parseMerge(args, request, problem))
        return usage(err, problem);
    ConsolePrompter prompter(err, request.yes);
    const LoadedShows shows = loadShows(request.shows.front(),
                                        {request.shows.begin() + 1, request.shows.end()}, prompter);
    if (!relocate(*shows.model, request.relocations, prompter))
        return Trouble;

    const std::string target = windowsPath(request.target);
    if (!mayCreate(target, shows.source, shows.appended.lines(), prompter))
        return Trouble;
    std::string lastSlideShow;
    WriteSlideShow(*shows.model, folderPart(target), fileNamePart(target), prompter, lastSlideShow);
    return prompter.troubleShown() ? Trouble : Success;
}

} // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty())
        return usage(err, "no command given");
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "info")
        return info(rest, out, err);
    if (args[0] == "merge")
        return merge(rest, err);
    if (args[0] == "list")
        return list(rest, out, err);
    if (args[0] == "folders")
        return folders(rest, out, err);
    if (args[0] == "check")
        return check(rest, out, err);
    if (args[0] == "relink")
        return relink(rest, out, err);
    if (args[0] == "pack")
        return pack(rest, err);
    if (args[0] == "--version") {
        out << "vtshow " << VT_VERSION_MAJOR << '.' << VT_VERSION_MINOR << '.' << VT_VERSION_PATCH
            << '\n';
        return Success;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        out << Usage;
        return Success;
    }
    return usage(err, "unknown command " + args[0]);
}

} // namespace vt::cli
