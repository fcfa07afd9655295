#pragma once

#include "media/MediaSearch.h"

#include <string>

// The texts of Find Missing Files that are made of counts and paths.
namespace vt {

// Counts as "Files: 1,250    Missing: 10    Not mappable: 2".
std::string checkTotalsLine(const media::MediaCheck& check);

// A marked row's tooltip: its counts, then its missing paths, at most
// maxPaths of them. Empty for a row with nothing missing.
std::string rowMarkTip(const media::MediaCheck& check, const media::FolderRowCheck& row,
                       std::size_t maxPaths = 10);

// What was searched and what the walk skipped: "Searched: /home/ann    Files:
// 12,345    Folders: 1,234", then the skipped counts when there are any.
std::string walkSummaryLine(const std::string& hostRoot, const media::WalkSummary& summary);

// "Found: 10    Still missing: 2" over the given found count.
std::string foundLine(int found, int problems);

// The message for a search folder that does not exist or cannot be read;
// empty when it can be searched.
std::string searchFolderProblem(const std::string& hostRoot);
std::string unreadableFolderMessage(const std::string& hostRoot);

// Nothing the search found helps: the folder searched and what it skipped.
std::string nothingFoundMessage(const std::string& hostRoot, const media::WalkSummary& summary);

// A count as the totals show it: "1,250", and "0" rather than nothing.
std::string countText(long long value);

} // namespace vt
