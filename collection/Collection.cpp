#include "collection/Collection.h"

#include "collection/CollectionTexts.h"
#include "collection/SharedSearch.h"
#include "collection/ShowFinder.h"
#include "collection/ShowPrompters.h"
#include "collection/ShowStore.h"
#include "common/CodePage.h"
#include "common/Numbers.h"
#include "common/TextTable.h"
#include "common/Texts.h"
#include "media/HostFolders.h"
#include "media/MediaTexts.h"
#include "slideshow/SlideShowWriter.h"

#include <filesystem>
#include <memory>
#include <ostream>
#include <set>

namespace vt::collection {
namespace {

using Output = CollectionOptions::Output;

std::string number(long count) { return count == 0 ? std::string("0") : formatCount(count); }

std::string counted(long count, std::string_view one, std::string_view many) {
    return number(count) + " " + std::string(count == 1 ? one : many);
}

// What became of one show.
struct ShowReport {
    std::string show; // host path
    bool read = false;
    int slides = 0;
    int missingBefore = 0;
    int missingAfter = 0;
    std::string outcome; // relinking: written where, or why not
    bool failed = false; // a fixed show that was not written as asked
    bool whole() const { return read && missingAfter == 0 && !failed; }
};

class Run {
  public:
    Run(const CollectionOptions& options, std::ostream& out, std::ostream& err, Prompter& prompter)
        : m_options(options), m_out(out), m_err(err), m_prompter(prompter),
          m_search(options.searches) {}

    bool all() {
        const FoundShows found = findShows(m_options.paths);
        tellNotFound(found);
        for (const FoundShow& show : found.shows) {
            if (!one(show))
                return false; // a search folder is missing: nothing more is done
        }
        if (found.shows.empty())
            m_out << texts::NoShowsFound << '\n';
        else
            printTable();
        return found.absent.empty() && found.unreadable.empty() &&
               std::all_of(m_reports.begin(), m_reports.end(),
                           [](const ShowReport& r) { return r.whole(); });
    }

  private:
    void tellNotFound(const FoundShows& found) {
        for (const std::string& path : found.absent)
            m_prompter.fail(std::string(texts::NotThere) + std::string(BlankLine) +
                            codepage::fromUtf8(path));
        for (const std::string& path : found.unreadable)
            m_prompter.fail(std::string(texts::FolderUnreadable) + std::string(BlankLine) +
                            codepage::fromUtf8(path));
    }

    // False when the run has to stop.
    bool one(const FoundShow& show) {
        ShowReport report;
        report.show = show.host;
        WatchedPrompter prompter(m_prompter, [&] { m_err << show.host << ":\n"; });
        FileStamp stamp;
        report.read = loadShow(show.host, *m_model, stamp, prompter);
        if (report.read) {
            report.slides = m_model->SlideCount;
            PathEditor editor(*m_model);
            const media::MediaCheck before = media::checkMedia(editor, m_folders);
            report.missingBefore = report.missingAfter = problemCount(before);
            if (m_options.relink && !relink(editor, before, show, stamp, report, prompter))
                return false;
        }
        printLine(report);
        m_reports.push_back(std::move(report));
        return true;
    }

    bool relink(PathEditor& editor, const media::MediaCheck& before, const FoundShow& show,
                const FileStamp& stamp, ShowReport& report, Prompter& prompter) {
        if (report.missingBefore == 0) {
            report.outcome = texts::NotChanged;
            return true;
        }
        const bool firstWalk = !m_search.walked();
        if (!m_search.ready(m_prompter)) // about the search, not this show
            return false;
        if (firstWalk)
            printWalk();
        const std::string asRead = slideShowBytes(*m_model);
        relinkModel(*m_model, editor, before, m_search.index(), prompter);
        report.missingAfter = problemCount(media::checkMedia(WorkingPaths(*m_model), m_folders));
        if (slideShowBytes(*m_model) == asRead)
            report.outcome = texts::NotChanged;
        else
            save(show, stamp, report, prompter);
        return true;
    }

    void save(const FoundShow& show, const FileStamp& stamp, ShowReport& report,
              Prompter& prompter) {
        if (m_options.output == Output::None) {
            report.outcome = texts::DryRunNotWritten;
            return;
        }
        SaveRequest request;
        SaveResult saved;
        if (m_options.output == Output::IntoFolder) {
            request = {SaveRequest::Mode::IntoFolder, m_options.folder};
            // Shows of two folders named may have the same path below them.
            const std::string target = std::filesystem::path(m_options.folder + "/" + show.relative)
                                           .lexically_normal().string();
            if (!m_targets.insert(target).second) {
                prompter.fail(std::string(texts::SameTarget) + std::string(BlankLine) +
                              codepage::fromUtf8(target));
                request.folder.clear();
            }
        }
        if (request.mode == SaveRequest::Mode::InPlace || !request.folder.empty())
            saved = saveShow(*m_model, show, stamp, request, prompter);
        report.failed = !saved.saved;
        report.outcome = !saved.saved        ? std::string(texts::NotWritten)
                         : saved.backup.empty() ? std::string(texts::WrittenTo) + saved.target
                                                : std::string(texts::ReplacedKeeping) + saved.backup;
    }

    void printWalk() {
        const media::WalkSummary& walk = m_search.summary();
        m_out << "Searched " << counted(walk.files, "file", "files") << " in "
              << counted(walk.folders, "folder", "folders") << ".\n";
    }

    void printLine(const ShowReport& r) {
        m_out << r.show << ": ";
        if (!r.read)
            m_out << texts::CouldNotBeRead;
        else
            m_out << counted(r.slides, "slide", "slides") << ", " << number(r.missingBefore) << ' '
                  << texts::MissingState;
        if (r.read && m_options.relink)
            m_out << ", " << number(r.missingAfter) << texts::AfterRelinking << r.outcome;
        m_out << std::endl; // as it is done: the next show may take a while
    }

    void printTable() const;

    const CollectionOptions& m_options;
    std::ostream& m_out;
    std::ostream& m_err;
    Prompter& m_prompter;
    std::unique_ptr<SlideShowModel> m_model = std::make_unique<SlideShowModel>();
    media::FolderCache m_folders; // each folder read once for every show
    SharedSearch m_search;
    std::set<std::string> m_targets;
    std::vector<ShowReport> m_reports;
};

void Run::printTable() const {
    std::vector<std::string> header{std::string(texts::ShowColumn), std::string(texts::SlidesColumn)};
    if (m_options.relink)
        header.insert(header.end(), {std::string(texts::MissingBeforeColumn),
                                     std::string(texts::MissingAfterColumn),
                                     std::string(texts::WrittenToColumn)});
    else
        header.emplace_back(texts::MissingColumn);
    TextTable table(header);
    long slides = 0, before = 0, after = 0;
    int whole = 0, unread = 0, withMissing = 0, notWritten = 0;
    for (const ShowReport& r : m_reports) {
        slides += r.slides;
        before += r.missingBefore;
        after += r.missingAfter;
        whole += r.whole() ? 1 : 0;
        unread += r.read ? 0 : 1;
        withMissing += r.missingAfter > 0 ? 1 : 0;
        notWritten += r.failed ? 1 : 0;
        const std::string no = "-";
        std::vector<std::string> row{r.show, r.read ? number(r.slides) : no,
                                     r.read ? number(r.missingBefore) : no};
        if (m_options.relink)
            row.insert(row.end(), {r.read ? number(r.missingAfter) : no,
                                   r.read ? r.outcome : std::string(texts::CouldNotBeRead)});
        else if (!r.read)
            row.front() += " (" + std::string(texts::CouldNotBeRead) + ")";
        table.add(std::move(row));
    }
    std::vector<std::string> total{std::string(texts::TotalRow), number(slides), number(before)};
    if (m_options.relink)
        total.push_back(number(after));
    table.add(std::move(total));
    m_out << '\n';
    table.print(m_out, {false, true, true, true, false});
    const int shows = static_cast<int>(m_reports.size());
    m_out << '\n'
          << counted(shows, "show", "shows") << ": " << number(whole) << " whole, "
          << number(withMissing) << " with missing files, " << number(unread) << ' '
          << texts::CouldNotBeRead;
    if (notWritten > 0)
        m_out << ", " << number(notWritten) << ' ' << texts::NotWritten;
    m_out << ".\n";
}

} // namespace

bool runCollection(const CollectionOptions& options, std::ostream& out, std::ostream& err,
                   Prompter& prompter) {
    return Run(options, out, err, prompter).all();
}

} // namespace vt::collection
