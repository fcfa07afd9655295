#pragma once

#include "media/MediaSearch.h"

#include <vector>

// The checks of several shows as one, so that one search and one preview
// serve them all.
namespace vt::collection {

struct MergedCheck {
    media::MediaCheck check; // every show's entries; rows of the same list and folder are one
    struct Origin {
        std::size_t show = 0, entry = 0;
    };
    std::vector<Origin> origins;                // per entry of check
    std::vector<std::vector<std::size_t>> rows; // per show: where each of its rows went
};

// Rows merge when their list and their text are the same, letter case
// included: a folder change replaces the text exactly as it is written.
MergedCheck mergeChecks(const std::vector<const media::MediaCheck*>& checks);

// What the proposals over the merged check change in one show, in that
// show's own rows and entries.
media::Proposals proposalsFor(const MergedCheck& merged, const media::Proposals& proposals,
                              std::size_t show);

} // namespace vt::collection
