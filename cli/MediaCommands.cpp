#include "cli/MediaCommands.h"

#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/ConsolePrompter.h"
#include "cli/Options.h"
#include "cli/Terminal.h"
#include "cli/Vtshow.h"
#include "cli/TerminalText.h"
#include "collection/Collection.h"
#include "collection/SharedSearch.h"
#include "common/CodePage.h"
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
    std::vector<std::string> shows; // shows and folders of shows
    std::vector<std::string> appends;
    std::vector<std::string> searches;
    std::string target;
    std::string intoFolder; // -O DIR
    bool inPlace = false;
    bool yes = false;
    bool dryRun = false;
};

void addCheckOptions(CommandOptions& options, MediaArgs& parsed) {
    addAppendOption(options, parsed.appends);
    options.positionals(parsed.shows, "SHOW|FOLDER");
}

void addRelinkOptions(CommandOptions& options, MediaArgs& parsed) {
    addCheckOptions(options, parsed);
    options.values("--search", parsed.searches, "DIR", "looks for the missing files under DIR");
    options.value("-o", parsed.target, "NEW", "the show to write (one show)");
    options.value("-O", parsed.intoFolder, "DIR",
                  "writes each changed show under DIR, keeping the shows' layout");
    options.flag("--in-place", parsed.inPlace,
                 "replaces each changed show, keeping the old one as NAME.vts.bak");
    options.flag("--yes", parsed.yes, "answers Yes to every question");
    options.flag("--dry-run", parsed.dryRun, "shows what would change, writes nothing");
}

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
        return "missing -O DIR, --in-place or --dry-run";
    return {};
}

std::string mediaArgsProblem(const MediaArgs& parsed, bool relinking) {
    if (parsed.shows.empty())
        return "give a show or a folder of shows";
    if (relinking && parsed.searches.empty())
        return "missing --search DIR";
    if (isCollection(parsed))
        return collectionProblem(parsed, relinking);
    if (relinking && parsed.target.empty() && !parsed.dryRun)
        return "missing -o NEW";
    return {};
}

// Reads the command line of check, or with relinking that of relink; the
// exit status when the command is not to run.
std::optional<int> parseMediaArgs(const std::vector<std::string>& args, bool relinking,
                                  MediaArgs& parsed, std::ostream& out, std::ostream& err) {
    CommandOptions options(relinking ? "relink" : "check");
    if (relinking)
        addRelinkOptions(options, parsed);
    else
        addCheckOptions(options, parsed);
    if (const auto status = options.parse(args, out, err))
        return status;
    if (const std::string problem = mediaArgsProblem(parsed, relinking); !problem.empty())
        return options.problem(err, problem);
    return std::nullopt;
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

std::string shown(std::string_view windowsText) {
    return terminalText(windowsText);
}

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
LoadedShows loadMediaShows(const MediaArgs& request, ConsolePrompter& prompter) {
    return loadShows(request.shows.front(), request.appends, prompter);
}

} // namespace

int check(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    MediaArgs request;
    if (const auto status = parseMediaArgs(args, false, request, out, err))
        return *status;
    if (isCollection(request))
        return runOnCollection(request, false, out, err);
    ConsolePrompter prompter(err, true); // only reading: a show named twice is meant twice
    const LoadedShows shows = loadMediaShows(request, prompter);
    const MediaCheck result = checkMedia(*shows.model);
    printCheck(result, out);
    return prompter.troubleShown() || !shows.whole || !result.allFound() ? Trouble : Success;
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

// Tells where files were found that the show cannot refer to, as the tables
// only mark them: their folders' names do not fit in its code page.
void warnNotStorable(const Proposals& proposals, ConsolePrompter& prompter) {
    std::vector<std::string> places;
    const auto listed = [&](const std::string& place) {
        return std::find(places.begin(), places.end(), place) != places.end();
    };
    for (const FolderProposal& p : proposals.folders) {
        for (const std::string& folder : p.unstorable) {
            if (!listed(folder))
                places.push_back(folder);
        }
    }
    for (const std::string& file : proposals.unstorableFiles) {
        if (!listed(file.substr(0, file.rfind('/') + 1)) && !listed(file))
            places.push_back(file); // a file of its own, not one of a row's
    }
    std::string text(clitexts::NotStorableFolders);
    for (const std::string& place : places)
        text += (&place == &places.front() ? "\n\n" : "\n") + terminalHostText(place);
    if (!places.empty())
        prompter.tell(Icon::Exclamation, text);
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
        const std::string newFolder =
            !p.candidates.empty()  ? (p.chosen < 0 ? std::string("-") : shown(p.candidates[p.chosen]))
            : p.unstorable.empty() ? std::string(texts::NotFound)
                                   : std::string(clitexts::NotStorableFound);
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
void relinkModel(SlideShowModel& model, const std::vector<std::string>& searches, std::ostream& out,
                 ConsolePrompter& prompter, bool& searched) {
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
    warnNotStorable(proposals, prompter);
    applyProposals(editor, before, proposals, prompter);
    editor.commit(model);
    out << '\n';
}

} // namespace

int relink(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    MediaArgs request;
    if (const auto status = parseMediaArgs(args, true, request, out, err))
        return *status;
    if (isCollection(request))
        return runOnCollection(request, true, out, err);
    ConsolePrompter prompter(err, request.yes);
    std::optional<UserPath> target;
    if (!request.dryRun && !(target = outputPath(request.target, prompter)))
        return Trouble;
    const LoadedShows shows = loadMediaShows(request, prompter);
    if (!shows.whole)
        return Trouble;
    bool searched = true;
    relinkModel(*shows.model, request.searches, out, prompter, searched);
    if (!searched)
        return Trouble;
    const MediaCheck after = checkMedia(*shows.model);
    if (request.dryRun) {
        out << texts::DryRun << totalsLine(after) << '\n';
    } else {
        if (!mayWrite(*target, shows, prompter))
            return Trouble;
        std::string lastSlideShow;
        WriteSlideShow(*shows.model, folderPart(target->windows), fileNamePart(target->windows),
                       prompter, lastSlideShow);
        out << (target->storable ? shown(target->windows) : terminalHostText(target->host)) << ": "
            << totalsLine(after) << '\n';
    }
    return prompter.troubleShown() || !after.allFound() ? Trouble : Success;
}

} // namespace vt::cli
