#include "cli/MediaCommands.h"

#include "cli/Commands.h"
#include "cli/ConsolePrompter.h"
#include "cli/Vtshow.h"
#include "collection/Collection.h"
#include "collection/SharedSearch.h"
#include "common/Cp1252.h"
#include "common/Numbers.h"
#include "common/PathText.h"
#include "common/TextTable.h"
#include "common/Texts.h"
#include "media/MediaSearch.h"
#include "media/MediaTexts.h"
#include "slideshow/SlideShowCommands.h"
#include "slideshow/SlideShowWriter.h"

#include <algorithm>
#include <filesystem>
#include <utility>
#include <ostream>

namespace vt::cli {
namespace {

using namespace media;

struct MediaArgs {
    std::string show;
    std::vector<std::string> shows; // shows and folders of shows
    std::vector<std::string> appends;
    std::vector<std::string> searches;
    std::string target;
    std::string intoFolder; // -O DIR
    bool inPlace = false;
    bool yes = false;
    bool dryRun = false;
};

// Several shows, a folder of them, or writing them back: the collection form.
bool isCollection(const MediaArgs& args) {
    std::error_code error;
    return args.shows.size() > 1 || args.inPlace || !args.intoFolder.empty() ||
           (args.shows.size() == 1 && std::filesystem::is_directory(args.shows.front(), error));
}

std::string collectionProblem(const MediaArgs& args, bool relinking) {
    if (!args.appends.empty())
        return "--append works with one show";
    if (relinking && !args.target.empty())
        return "-o NEW is for one show: use -O DIR or --in-place";
    if (args.inPlace && !args.intoFolder.empty())
        return "give -O DIR or --in-place, not both";
    if (relinking && !args.dryRun && !args.inPlace && args.intoFolder.empty())
        return "relink needs -O DIR, --in-place or --dry-run";
    return {};
}

// Reads the options of check, and with relinking those of relink too.
bool parseMediaArgs(const std::vector<std::string>& args, bool relinking, MediaArgs& parsed,
                    std::string& problem) {
    std::vector<std::string> shows;
    for (std::size_t i = 0; i < args.size() && problem.empty(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--append" && hasValue)
            parsed.appends.push_back(args[++i]);
        else if (relinking && arg == "--search" && hasValue)
            parsed.searches.push_back(args[++i]);
        else if (relinking && arg == "-o" && hasValue)
            parsed.target = args[++i];
        else if (relinking && arg == "--yes")
            parsed.yes = true;
        else if (relinking && arg == "--dry-run")
            parsed.dryRun = true;
        else if (relinking && arg == "--in-place")
            parsed.inPlace = true;
        else if (relinking && arg == "-O" && hasValue)
            parsed.intoFolder = args[++i];
        else if (arg.size() > 1 && arg[0] == '-')
            problem = "unknown option " + arg;
        else
            shows.push_back(arg);
    }
    parsed.shows = shows;
    if (problem.empty() && shows.empty())
        problem = "give a show or a folder of shows";
    else if (problem.empty() && relinking && parsed.searches.empty())
        problem = "relink needs --search DIR";
    else if (problem.empty() && isCollection(parsed))
        problem = collectionProblem(parsed, relinking);
    else if (problem.empty() && relinking && parsed.target.empty() && !parsed.dryRun)
        problem = "relink needs -o NEW";
    if (problem.empty())
        parsed.show = shows.front();
    return problem.empty();
}

// check and relink over every show named and every show in the folders named.
int runOnCollection(const MediaArgs& args, bool relinking, std::ostream& out, std::ostream& err) {
    collection::CollectionOptions options;
    options.paths = args.shows;
    options.relink = relinking;
    options.searches = args.searches;
    options.output = args.dryRun || !relinking ? collection::CollectionOptions::Output::None
                     : args.inPlace            ? collection::CollectionOptions::Output::InPlace
                                               : collection::CollectionOptions::Output::IntoFolder;
    options.folder = args.intoFolder;
    ConsolePrompter prompter(err, args.yes);
    const bool whole = collection::runCollection(options, out, err, prompter);
    return whole && !prompter.troubleShown() ? Success : Trouble;
}

std::string number(long count) { return count == 0 ? std::string("0") : formatCount(count); }

std::string counted(long count, std::string_view one, std::string_view many) {
    return number(count) + " " + std::string(count == 1 ? one : many);
}

std::string totalsLine(const MediaCheck& check) {
    const int files = check.found + check.missing + check.notMappable;
    return counted(files, "file", "files") + ": " + number(check.found) + " found, " +
           number(check.missing) + " " + std::string(texts::MissingState) + ", " +
           number(check.notMappable) + " " + std::string(texts::NotMappableState);
}

std::string boxName(int box) {
    switch (box) {
    case SlideBox:
        return "ListSlide";
    case TextureBox:
        return "ListTexture";
    case SoundBox:
        return "ListSound";
    default:
        return "TextSound";
    }
}

std::string entryLabel(const MediaEntry& entry) {
    std::string label(sectionName(entry.section));
    if (entry.section != Section::MainSound)
        label += " " + std::to_string(entry.index + 1);
    return label;
}

std::string shown(std::string_view windowsText) { return cp1252::toUtf8(windowsText); }

void printProblem(const MediaEntry& entry, std::ostream& out) {
    out << "  " << entryLabel(entry) << ", "
        << (entry.state == State::NotMappable ? texts::NotMappableState : texts::MissingState)
        << ": " << shown(entry.path) << '\n';
}

void printCheck(const MediaCheck& check, std::ostream& out) {
    for (const FolderRowCheck& row : check.rows) {
        if (row.files == 0)
            continue;
        out << '[' << boxName(row.box) << "] " << shown(row.folder) << ": "
            << counted(row.files, "file", "files") << ", " << row.missing << " missing\n";
        for (std::size_t problem : row.problems)
            printProblem(check.entries[problem], out);
    }
    // Play list entries left out on reading whose folders are no row.
    bool headed = false;
    for (const MediaEntry& entry : check.entries) {
        if (entry.row != NoRow || entry.state == State::Found)
            continue;
        if (!std::exchange(headed, true))
            out << texts::MissingPlayListEntries << '\n';
        printProblem(entry, out);
    }
    out << totalsLine(check) << '\n';
}

// Opens the show and the shows to append as the window would.
LoadedShows loadMediaShows(const MediaArgs& request, Prompter& prompter) {
    return loadShows(request.show, request.appends, prompter);
}

} // namespace

int check(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    MediaArgs request;
    std::string problem;
    if (!parseMediaArgs(args, false, request, problem))
        return usage(err, "check: " + problem);
    if (isCollection(request))
        return runOnCollection(request, false, out, err);
    ConsolePrompter prompter(err, true); // only reading: a show named twice is meant twice
    const LoadedShows shows = loadMediaShows(request, prompter);
    const MediaCheck result = checkMedia(*shows.model);
    printCheck(result, out);
    return prompter.troubleShown() || !result.allFound() ? Trouble : Success;
}

namespace {

void printWalk(const WalkSummary& walk, std::ostream& out) {
    out << "Searched " << counted(walk.files, "file", "files") << " in "
        << counted(walk.folders, "folder", "folders") << '.';
    if (walk.unreadable)
        out << ' ' << counted(walk.unreadable, "folder", "folders")
            << " could not be read.";
    if (walk.loops)
        out << ' ' << counted(walk.loops, "link", "links")
            << " into folders already searched skipped.";
    out << "\n\n";
}

void printCandidates(std::string_view what, const std::vector<std::string>& candidates, int tied,
                     const std::vector<int>* holds, std::ostream& out) {
    out << what << texts::AmbiguousBetween << '\n';
    for (int i = 0; i < tied; ++i) {
        out << "    " << shown(candidates[static_cast<std::size_t>(i)]);
        if (holds)
            out << " (" << counted((*holds)[static_cast<std::size_t>(i)], "file", "files") << ')';
        out << '\n';
    }
}

void printFolderProposals(const MediaCheck& check, const Proposals& proposals, std::ostream& out) {
    TextTable table({std::string(texts::ListColumn), std::string(texts::OldFolderColumn),
                 std::string(texts::NewFolderColumn), std::string(texts::FoundColumn),
                 std::string(texts::StillMissingColumn), std::string(texts::AmbiguousColumn)});
    for (const FolderProposal& p : proposals.folders) {
        const std::string newFolder = p.candidates.empty() ? std::string(texts::NotFound)
                                      : p.chosen < 0       ? std::string("-")
                                                           : shown(p.candidates[p.chosen]);
        table.add({boxName(check.rows[p.row].box), shown(p.oldFolder), newFolder,
                   std::to_string(p.found), std::to_string(p.stillMissing),
                   p.ambiguous() ? counted(p.tied, "candidate", "candidates") : ""});
    }
    if (!proposals.folders.empty())
        table.print(out, {false, false, false, true, true, false});
    for (const FolderProposal& p : proposals.folders) {
        if (p.ambiguous())
            printCandidates("  " + shown(p.oldFolder), p.candidates, p.tied, &p.holds, out);
    }
}

void printFileProposals(const MediaCheck& check, const Proposals& proposals, std::ostream& out) {
    const bool any = std::any_of(proposals.files.begin(), proposals.files.end(),
                                 [](const FileProposal& f) { return !f.keep; });
    if (!any)
        return;
    out << '\n' << texts::SingleFiles << '\n';
    for (const FileProposal& f : proposals.files) {
        const MediaEntry& entry = check.entries[f.entry];
        const std::string what = "  " + entryLabel(entry) + ": " + shown(entry.path);
        if (f.ambiguous())
            printCandidates(what, f.candidates, f.tied, nullptr, out);
        else if (!f.keep)
            out << what << " -> " << shown(f.newPath()) << '\n';
    }
}

// Moves the paths as proposed; the editor's result goes into the model.
void relinkModel(SlideShowModel& model, const std::vector<std::string>& searches,
                 std::ostream& out, Prompter& prompter, bool& searched) {
    PathEditor editor(model);
    const MediaCheck before = checkMedia(editor);
    if (before.allFound()) {
        out << texts::NothingMissing << '\n';
        return;
    }
    collection::SharedSearch search(searches);
    searched = search.ready(prompter);
    if (!searched)
        return;
    printWalk(search.summary(), out);
    const Proposals proposals = propose(before, search.index());
    printFolderProposals(before, proposals, out);
    printFileProposals(before, proposals, out);
    applyProposals(editor, before, proposals, prompter);
    editor.commit(model);
    out << '\n';
}

} // namespace

int relink(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    MediaArgs request;
    std::string problem;
    if (!parseMediaArgs(args, true, request, problem))
        return usage(err, "relink: " + problem);
    if (isCollection(request))
        return runOnCollection(request, true, out, err);
    ConsolePrompter prompter(err, request.yes);
    const LoadedShows shows = loadMediaShows(request, prompter);
    bool searched = true;
    relinkModel(*shows.model, request.searches, out, prompter, searched);
    if (!searched)
        return Trouble;
    const MediaCheck after = checkMedia(*shows.model);
    if (request.dryRun) {
        out << texts::DryRun << totalsLine(after) << '\n';
    } else {
        const std::string target = windowsPath(request.target);
        if (!mayCreate(target, shows.source, shows.appended.lines(), prompter))
            return Trouble;
        std::string lastSlideShow;
        WriteSlideShow(*shows.model, folderPart(target), fileNamePart(target), prompter,
                       lastSlideShow);
        out << shown(target) << ": " << totalsLine(after) << '\n';
    }
    return prompter.troubleShown() || !after.allFound() ? Trouble : Success;
}

} // namespace vt::cli
