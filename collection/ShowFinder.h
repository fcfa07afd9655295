#pragma once

#include <atomic>
#include <string>
#include <vector>

// Finding the shows of a collection: the files named, and every show below
// the folders named.
namespace vt::collection {

struct FoundShow {
    std::string host;     // the host path, as named or joined to the folder named
    std::string relative; // below the folder it was found in ("Trips/Fjord.vts"); a show named
                          // by itself: its file name
};

struct FoundShows {
    std::vector<FoundShow> shows;
    std::vector<std::string> absent;     // paths named that are not there
    std::vector<std::string> unreadable; // folders that could not be read
    bool cancelled = false;
};

// A file named is a show whatever its name. A folder gives every file
// ending in .vts (any letter case) below it, hidden files and folders left
// out (an interrupted write leaves a hidden temporary), links to folders
// followed, but no folder twice. Each file comes once, in the order named;
// below a folder, each folder's own shows in name order come before those
// of its subfolders. `cancel` stops the search between two folders.
FoundShows findShows(const std::vector<std::string>& hostPaths,
                     const std::atomic<bool>* cancel = nullptr);

} // namespace vt::collection
