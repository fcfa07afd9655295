#include "collection/MergedCheck.h"

#include <map>
#include <utility>

namespace vt::collection {
MergedCheck mergeChecks(const std::vector<const media::MediaCheck*>& checks) {
    MergedCheck merged;
    std::map<std::pair<int, std::string>, std::size_t> rowOf; // list and text
    for (std::size_t show = 0; show < checks.size(); ++show) {
        const media::MediaCheck& check = *checks[show];
        const std::size_t first = merged.check.entries.size();
        std::vector<std::size_t>& places = merged.rows.emplace_back();
        for (const media::FolderRowCheck& row : check.rows) {
            const auto [at, added] =
                rowOf.try_emplace({row.box, row.folder}, merged.check.rows.size());
            if (added)
                merged.check.rows.push_back({row.box, row.row, row.folder, 0, 0, {}});
            places.push_back(at->second);
            media::FolderRowCheck& into = merged.check.rows[at->second];
            into.files += row.files;
            into.missing += row.missing;
            for (std::size_t problem : row.problems)
                into.problems.push_back(first + problem);
        }
        for (std::size_t i = 0; i < check.entries.size(); ++i) {
            media::MediaEntry entry = check.entries[i];
            if (entry.row != media::NoRow)
                entry.row = places[entry.row];
            merged.check.entries.push_back(std::move(entry));
            merged.origins.push_back({show, i});
        }
        merged.check.found += check.found;
        merged.check.missing += check.missing;
        merged.check.notMappable += check.notMappable;
    }
    return merged;
}

media::Proposals proposalsFor(const MergedCheck& merged, const media::Proposals& proposals,
                              std::size_t show) {
    media::Proposals own;
    const std::vector<std::size_t>& places = merged.rows[show];
    for (const media::FolderProposal& folder : proposals.folders) {
        for (std::size_t row = 0; row < places.size(); ++row) {
            if (places[row] != folder.row)
                continue;
            own.folders.push_back(folder);
            own.folders.back().row = row;
        }
    }
    for (const media::FileProposal& file : proposals.files) {
        const MergedCheck::Origin& origin = merged.origins[file.entry];
        if (origin.show != show)
            continue;
        own.files.push_back(file);
        own.files.back().entry = origin.entry;
    }
    return own;
}

} // namespace vt::collection
