#pragma once

#include "slideshow/SlideShowModel.h"

#include <functional>

namespace vt {

// Puts the set-aside play list entries that `found` accepts back into the
// play list at the places they had among the others, as far as the play
// list's 1,000 entries allow; the rest stay aside. A play list that gains
// an entry is present from then on. Returns how many came back.
int restorePlayList(SlideShowModel& model, const std::function<bool(const SetAsideEntry&)>& found);

// The same for the entries whose files now exist.
int restoreFoundPlayList(SlideShowModel& model);

} // namespace vt
