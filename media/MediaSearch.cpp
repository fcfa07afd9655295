#include "media/MediaSearch.h"

#include "common/CodePage.h"
#include "common/PathText.h"
#include "media/HostFolders.h"

#include <algorithm>
#include <map>
#include <unordered_set>

namespace vt::media {
namespace {

// Windows text as a host name: backslashes become slashes.
std::string hostText(std::string_view windows) {
    std::string host = codepage::toUtf8(windows);
    std::replace(host.begin(), host.end(), '\\', '/');
    return host;
}

std::vector<std::string_view> components(std::string_view path, char separator) {
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const auto end = path.find(separator);
        if (end != 0)
            parts.push_back(path.substr(0, end));
        if (end == std::string_view::npos)
            break;
        path.remove_prefix(end + 1);
    }
    return parts;
}

// How many of the Windows folder's last names the host folder ends in too.
int trailingMatch(std::string_view windowsFolder, std::string_view hostFolder) {
    const auto old = components(windowsFolder, '\\');
    const auto found = components(hostFolder, '/');
    int matched = 0;
    for (auto a = old.rbegin(), b = found.rbegin(); a != old.rend() && b != found.rend(); ++a, ++b) {
        if (upperCase(*a) != nameKey(*b))
            break;
        ++matched;
    }
    return matched;
}

// Host folders holding a file, ranked; the Windows folder they are compared
// with gives the tie-break.
struct Ranked {
    std::string host;
    int holds = 0;
    int score = 0;
};

void rank(std::vector<Ranked>& ranked, std::string_view windowsFolder, int& tied) {
    for (Ranked& r : ranked)
        r.score = trailingMatch(windowsFolder, r.host);
    std::sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        if (a.holds != b.holds)
            return a.holds > b.holds;
        if (a.score != b.score)
            return a.score > b.score;
        return a.host < b.host;
    });
    tied = ranked.empty() ? 0 : 1;
    while (tied < static_cast<int>(ranked.size()) && ranked[tied].holds == ranked[0].holds &&
           ranked[tied].score == ranked[0].score)
        ++tied;
}

std::string windowsFolder(const DriveMap& drives, const std::string& hostFolder) {
    return withTrailingBackslash(drives.toWindows(hostFolder));
}

// The host folders that would hold an entry's file once its row's folder is
// replaced by them: the folders holding its name, less the sub-folders the
// entry has below its row.
std::vector<std::string_view> rowFoldersFor(const MediaEntry& entry, std::string_view rowFolder,
                                            const NameIndex& index) {
    const std::string_view rest = std::string_view(entry.path).substr(rowFolder.size());
    if (!codepage::isMappable(rest))
        return {}; // it would stay unmappable in any folder
    const std::string below = hostText(folderPart(rest));
    const std::string belowKey = nameKey(below);
    std::vector<std::string_view> folders;
    std::unordered_set<std::string_view> seen; // a name may be in hundreds of folders
    for (const std::string_view folder : index.folderViewsOf(hostText(fileNamePart(rest)))) {
        if (folder.size() <= below.size())
            continue;
        const std::string_view top = folder.substr(0, folder.size() - below.size());
        if (codepage::isMappable(top) &&
            (below.empty() || nameKey(folder.substr(top.size())) == belowKey) &&
            seen.insert(top).second)
            folders.push_back(top);
    }
    return folders;
}

FolderProposal proposeFolder(const MediaCheck& check, std::size_t rowIndex, const NameIndex& index,
                             const DriveMap& drives) {
    const FolderRowCheck& row = check.rows[rowIndex];
    std::unordered_map<std::string_view, int> holds; // ranked below, so any order will do
    for (std::size_t problem : row.problems) {
        for (const std::string_view folder : rowFoldersFor(check.entries[problem], row.folder, index))
            ++holds[folder];
    }
    FolderProposal proposal;
    std::vector<Ranked> ranked;
    for (const auto& [folder, count] : holds) {
        if (codePageHolds(folder))
            ranked.push_back({std::string(folder), count, 0});
        else
            proposal.unstorable.emplace_back(folder);
    }
    std::sort(proposal.unstorable.begin(), proposal.unstorable.end());
    proposal.row = rowIndex;
    proposal.oldFolder = row.folder;
    rank(ranked, row.folder, proposal.tied);
    for (const Ranked& r : ranked) {
        proposal.candidates.push_back(windowsFolder(drives, r.host));
        proposal.holds.push_back(r.holds);
    }
    proposal.chosen = proposal.tied == 1 ? 0 : -1;
    proposal.apply = proposal.chosen == 0;
    return proposal;
}

// The checked folder changes in the order they are made: the deepest old
// folder first, so a sub-folder row moves before its parent's change would
// carry it along.
class FolderMoves {
  public:
    explicit FolderMoves(const std::vector<FolderProposal>& proposals) {
        for (const FolderProposal& p : proposals) {
            if (p.apply && p.chosen >= 0 && ValidatePathChars(p.candidates[p.chosen]))
                m_moves.push_back({p.oldFolder, p.candidates[p.chosen]});
        }
        std::stable_sort(m_moves.begin(), m_moves.end(), [](const Move& a, const Move& b) {
            return a.oldFolder.size() > b.oldFolder.size();
        });
        for (std::size_t i = 0; i < m_moves.size(); ++i)
            m_byFolder[upperCase(m_moves[i].oldFolder)].push_back(i);
    }

    struct Move {
        std::string oldFolder, newFolder;
    };
    const std::vector<Move>& moves() const { return m_moves; }

    // Where ReplaceFolder, run for each move in turn, leaves a path.
    std::string moved(std::string path) const {
        for (std::size_t next = 0;;) {
            const std::size_t move = firstMoveOf(path, next);
            if (move == m_moves.size())
                return path;
            replaceFolderIn(path, m_moves[move].oldFolder, m_moves[move].newFolder);
            next = move + 1;
        }
    }

  private:
    // The first move from position next on whose old folder begins the path.
    std::size_t firstMoveOf(const std::string& path, std::size_t next) const {
        const std::string key = upperCase(path);
        std::size_t first = m_moves.size();
        for (std::size_t end = key.find('\\'); end != std::string::npos;
             end = key.find('\\', end + 1)) {
            const auto found = m_byFolder.find(std::string_view(key).substr(0, end + 1));
            if (found == m_byFolder.end())
                continue;
            const auto at = std::lower_bound(found->second.begin(), found->second.end(), next);
            if (at != found->second.end())
                first = std::min(first, *at);
        }
        return first;
    }

    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::vector<Move> m_moves;
    std::unordered_map<std::string, std::vector<std::size_t>, Hash, std::equal_to<>> m_byFolder;
};

bool existsInIndex(const std::string& windowsPath, const NameIndex& index, const DriveMap& drives) {
    const auto host = drives.toHostAsWritten(windowsPath);
    if (!host)
        return false;
    const std::string_view folder = hostFolderOf(*host);
    return index.holds(folder, std::string_view(*host).substr(folder.size()));
}

// The places a missing file is found by name, ranked against its own folder.
FileProposal proposeFile(const MediaCheck& check, std::size_t entryIndex, const NameIndex& index,
                         const DriveMap& drives) {
    const MediaEntry& entry = check.entries[entryIndex];
    const std::string_view name = fileNamePart(entry.path);
    FileProposal proposal;
    std::vector<Ranked> ranked;
    for (std::string& folder : index.foldersOf(hostText(name))) {
        if (!codepage::isMappable(name))
            break; // a double-byte name is never guessed at
        if (codePageHolds(folder) && codepage::isMappable(folder))
            ranked.push_back({std::move(folder), 1, 0});
        else
            proposal.unstorable.push_back(std::move(folder) + hostText(name));
    }
    proposal.entry = entryIndex;
    rank(ranked, folderPart(entry.path), proposal.tied);
    for (const Ranked& r : ranked)
        proposal.candidates.push_back(windowsFolder(drives, r.host) + std::string(name));
    proposal.chosen = proposal.tied == 1 ? 0 : -1;
    proposal.apply = proposal.chosen == 0;
    return proposal;
}

// Whether a row's missing file is left to the row: its folder proposal is
// ambiguous and nothing was decided for it.
bool leftToRow(const Proposals& proposals, const MediaEntry& entry) {
    for (const FolderProposal& p : proposals.folders) {
        if (p.row == entry.row)
            return p.ambiguous() && !p.apply;
    }
    return false;
}

} // namespace

Proposals propose(const MediaCheck& check, const NameIndex& index, const DriveMap& drives) {
    Proposals proposals;
    for (std::size_t i = 0; i < check.rows.size(); ++i) {
        if (check.rows[i].missing > 0 && check.rows[i].box != MainSoundBox)
            proposals.folders.push_back(proposeFolder(check, i, index, drives));
    }
    proposeFiles(proposals, check, index, drives);
    return proposals;
}

void proposeFiles(Proposals& proposals, const MediaCheck& check, const NameIndex& index,
                  const DriveMap& drives) {
    proposals.files.clear();
    proposals.unstorableFiles.clear();
    const FolderMoves moves(proposals.folders);
    std::vector<int> foundInRow(check.rows.size(), 0);
    for (std::size_t i = 0; i < check.entries.size(); ++i) {
        const MediaEntry& entry = check.entries[i];
        const bool found = entry.state == State::Found;
        // The main sound box is no list row: folder changes leave it.
        const std::string path =
            entry.section == Section::MainSound ? entry.path : moves.moved(entry.path);
        if (path != entry.path && existsInIndex(path, index, drives)) {
            if (!found && entry.row != NoRow)
                ++foundInRow[entry.row];
        } else if (found && path != entry.path) {
            proposals.files.push_back({i, {entry.path}, 1, 0, true, true, {}});
        } else if (!found) {
            FileProposal file = proposeFile(check, i, index, drives);
            if (file.candidates.empty())
                proposals.unstorableFiles.insert(proposals.unstorableFiles.end(),
                                                 file.unstorable.begin(), file.unstorable.end());
            if (file.candidates.empty() || (file.ambiguous() && leftToRow(proposals, entry)))
                continue;
            if (file.apply && entry.row != NoRow)
                ++foundInRow[entry.row];
            proposals.files.push_back(std::move(file));
        }
    }
    for (FolderProposal& p : proposals.folders) {
        p.found = foundInRow[p.row];
        p.stillMissing = check.rows[p.row].missing - p.found;
    }
}

void replaceEntryPath(WorkingPaths& paths, const MediaEntry& entry, std::string_view newPath) {
    const auto at = static_cast<std::size_t>(entry.index);
    std::vector<std::string>* rows = &paths.ListSound;
    switch (entry.section) {
    case Section::MainSound:
        paths.TextSound = newPath;
        return;
    case Section::Slides:
        paths.EditSlideFile.at(at) = newPath;
        rows = &paths.ListSlide;
        break;
    case Section::Textures:
        paths.EditSlideTexture.at(at) = newPath;
        rows = &paths.ListTexture;
        break;
    case Section::SlideSounds:
        paths.EditSlideSound.at(at) = newPath;
        break;
    case Section::PlayList:
        if (entry.setAside >= 0)
            paths.EditPlayListAside.at(static_cast<std::size_t>(entry.setAside)).path = newPath;
        else
            paths.EditPlayList.at(at) = newPath;
        break;
    }
    const std::string_view folder = folderPart(newPath);
    if (std::none_of(rows->begin(), rows->end(),
                     [&](const std::string& row) { return equalsIgnoringCase(row, folder); }))
        rows->emplace_back(folder);
}

int applyProposals(WorkingPaths& paths, const MediaCheck& check, const Proposals& proposals,
                   Prompter& prompter) {
    int changes = 0;
    const FolderMoves moves(proposals.folders);
    for (const auto& move : moves.moves()) {
        const NewPathCheck accepted = checkNewPath(move.oldFolder, move.newFolder, prompter);
        if (accepted.outcome == NewPathCheck::Accepted) {
            paths.ReplaceFolder(move.oldFolder, accepted.newPath);
            ++changes;
        }
    }
    // A new folder for single files passes the same checks, told once.
    std::map<std::string, bool> folderAccepted;
    for (const FileProposal& file : proposals.files) {
        if (!file.apply || file.chosen < 0)
            continue;
        const std::string path = file.newPath();
        const std::string folder(folderPart(path));
        if (!file.keep && !folderAccepted.contains(folder))
            folderAccepted[folder] =
                checkNewPath({}, folder, prompter).outcome == NewPathCheck::Accepted;
        if (file.keep || folderAccepted[folder]) {
            replaceEntryPath(paths, check.entries[file.entry], path);
            ++changes;
        }
    }
    return changes;
}

} // namespace vt::media
