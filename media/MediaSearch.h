#pragma once

#include "media/MediaCheck.h"
#include "patheditor/PathEditor.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

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
    // Walks one search folder (a host path); hidden folders are included,
    // links are followed once, never in a loop.
    void walk(const std::string& hostRoot, WalkProgress& progress, WalkSummary& summary);

    // The host folders (ending in '/') holding a file of that name, any case.
    const std::vector<std::string>& foldersOf(std::string_view fileName) const;

  private:
    std::unordered_map<std::string, std::vector<std::string>> m_folders; // key: upper-cased name
};

// A new folder for one row with missing files.
struct FolderProposal {
    std::size_t row = 0;                 // position in MediaCheck::rows
    std::string oldFolder;               // the row's text
    std::vector<std::string> candidates; // Windows folders ending in a backslash, best first
    int chosen = -1;                     // position in candidates; -1 when ambiguous
    int found = 0;                       // missing files the chosen (or first) candidate holds
    int stillMissing = 0;                // the row's missing files it does not hold
    bool ambiguous() const { return chosen < 0; }
};

// A new path for one entry found only outside its row's proposed folder.
struct FileProposal {
    std::size_t entry = 0; // position in MediaCheck::entries
    std::string newPath;   // Windows path
};

struct Proposals {
    std::vector<FolderProposal> folders;
    std::vector<FileProposal> files;
};

Proposals propose(const MediaCheck& check, const NameIndex& index,
                  const DriveMap& drives = DriveMap::current());

// Applies the folder proposals that have a chosen candidate to the editor's
// working copies exactly as Modify applies a typed folder (checkNewPath, then
// ReplaceFolder), then the file proposals. Nothing reaches the model until
// the editor commits.
void applyProposals(PathEditor& editor, const MediaCheck& check, const Proposals& proposals,
                    Prompter& prompter);

} // namespace vt::media
