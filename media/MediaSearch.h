#pragma once

#include "media/MediaCheck.h"
#include "media/WorkingPaths.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// Finding a show's missing files by name under search folders, and moving
// the show's paths to where they were found.
namespace vt::media {

// What a walk has seen so far; read from another thread while it runs.
struct WalkProgress {
    std::atomic<long> files{0};
    std::atomic<long> folders{0};
    std::atomic<bool> cancel{false}; // set by the user; the walk stops soon after

    void setCurrentFolder(const std::string& hostFolder);
    std::string currentFolder() const;

  private:
    mutable std::mutex m_mutex;
    std::string m_currentFolder;
};

// What a finished (or cancelled) walk skipped.
struct WalkSummary {
    long files = 0;
    long folders = 0;
    long unreadable = 0; // folders that could not be read
    long loops = 0;      // links back into a folder already walked
    bool cancelled = false;
    std::vector<std::string> badRoots; // search folders that do not exist or cannot be read
};

// Every file name under the search folders, ignoring letter case, with the
// host folders that hold it.
class NameIndex {
  public:
    // Walks one search folder (a host path, made absolute); hidden folders
    // are included, links are followed, never in a loop, and a folder that
    // an earlier walk covered is not walked again. Cancelling stops within
    // a few thousand files.
    void walk(const std::string& hostRoot, WalkProgress& progress, WalkSummary& summary);

    // The host folders (absolute, ending in '/') holding an ordinary file of
    // that name (a host name), any case, in the order they were walked.
    std::vector<std::string> foldersOf(std::string_view fileName) const;
    // The same without copies: views into the index, valid while it lives.
    std::vector<std::string_view> folderViewsOf(std::string_view fileName) const;
    // Whether the host folder (any case) holds a file of that name (any case).
    bool holds(std::string_view hostFolder, std::string_view fileName) const;

  private:
    struct Place {
        std::uint32_t folder;
        std::uint32_t next; // the name's next place; NoPlace after the last
    };
    static constexpr std::uint32_t NoPlace = 0xffffffffu;

    void add(std::string key, std::uint32_t folder);

    std::vector<std::string> m_folderPaths;
    std::vector<Place> m_places;
    std::unordered_map<std::string, std::pair<std::uint32_t, std::uint32_t>> m_names; // key: first, last place
    std::set<std::pair<std::uint64_t, std::uint64_t>> m_walked;                     // device, inode
};

// A new folder for one row with missing files.
struct FolderProposal {
    std::size_t row = 0;                 // position in MediaCheck::rows
    std::string oldFolder;               // the row's text
    std::vector<std::string> candidates; // Windows folders ending in a backslash, best first
    std::vector<int> holds;              // per candidate: how many of the row's missing files it holds
    int tied = 0;                        // candidates at the front that rank alike; 1 when one is best
    int chosen = -1;                     // position in candidates; -1 when ambiguous or none
    bool apply = false;                  // on for a chosen candidate; the user may change both
    int found = 0;        // of the row's missing files, found once the checked changes are made
    int stillMissing = 0; // the rest of them
    // Host folders holding the files whose names the show's code page
    // cannot hold: found, but no candidates.
    std::vector<std::string> unstorable;
    bool ambiguous() const { return tied > 1; }
};

// A new path for one entry not found through its row's folder.
struct FileProposal {
    std::size_t entry = 0;               // position in MediaCheck::entries
    std::vector<std::string> candidates; // Windows paths, best first
    int tied = 0;
    int chosen = -1;
    bool apply = false;
    // A found file that a checked folder change would move away from it:
    // the change puts it back.
    bool keep = false;
    std::vector<std::string> unstorable; // as for a folder row
    bool ambiguous() const { return tied > 1; }
    std::string newPath() const {
        return chosen < 0 ? std::string() : candidates[static_cast<std::size_t>(chosen)];
    }
};

struct Proposals {
    std::vector<FolderProposal> folders; // every folder row with missing files, in row order
    std::vector<FileProposal> files;     // in entry order
    // Files found only in folders the show cannot name: host paths.
    std::vector<std::string> unstorableFiles;
};

// Ranks the folders holding each row's missing files: most of them first;
// on equal counts the one whose trailing folder names match the row's; a tie
// after that is ambiguous and not chosen. Then works out the per-file part.
Proposals propose(const MediaCheck& check, const NameIndex& index,
                  const DriveMap& drives = DriveMap::current());

// Works the file proposals and the folder proposals' counts out again for
// the folder proposals' current choice and check box: a file the checked
// folder changes do not bring back is proposed by itself when it is found
// elsewhere; where it is found in several places alike, it is ambiguous
// (left out when its row is ambiguous already and not checked).
void proposeFiles(Proposals& proposals, const MediaCheck& check, const NameIndex& index,
                  const DriveMap& drives = DriveMap::current());

// The per-file edit: gives one entry of the working copies (or the main
// sound box) a new path, and its list a row for the new folder when no row
// equals it.
void replaceEntryPath(WorkingPaths& paths, const MediaEntry& entry, std::string_view newPath);

// Applies the checked folder proposals that have a chosen candidate to the
// working copies exactly as Modify applies a typed folder
// (checkNewPath, then ReplaceFolder), deepest old folder first, then the
// checked file proposals. A refused folder is told to the user. Nothing
// reaches the model until their owner writes them back. Returns the changes made.
int applyProposals(WorkingPaths& paths, const MediaCheck& check, const Proposals& proposals,
                   Prompter& prompter);

} // namespace vt::media
