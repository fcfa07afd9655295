#include "slideshow/PlayListAside.h"

#include "platform/FileSystem.h"

#include <string>
#include <vector>

namespace vt {

int restorePlayList(SlideShowModel& model,
                    const std::function<bool(const SetAsideEntry&)>& found) {
    std::vector<SetAsideEntry>& aside = model.PlayListAside;
    int room = MaxPlayList - model.PlayListCount;
    std::vector<std::string> merged;
    std::vector<SetAsideEntry> staying;
    // The kept entries fill the positions that the set-aside ones leave free.
    int kept = 0;
    int position = 0;
    for (std::size_t next = 0; next < aside.size() || kept < model.PlayListCount;) {
        const bool asideHere = next < aside.size() &&
                               (aside[next].position <= position || kept == model.PlayListCount);
        if (!asideHere) {
            merged.push_back(std::move(model.playListSlot(kept++)));
        } else if (room > 0 && found(aside[next])) {
            merged.push_back(std::move(aside[next++].path));
            --room;
        } else {
            staying.push_back(std::move(aside[next++]));
        }
        ++position;
    }
    const int restored = static_cast<int>(merged.size()) - model.PlayListCount;
    for (std::size_t i = 0; i < merged.size(); ++i)
        model.playListSlot(static_cast<int>(i)) = std::move(merged[i]);
    model.PlayListCount = static_cast<int>(merged.size());
    if (restored > 0)
        model.PlayListPresent = true;
    aside = std::move(staying);
    return restored;
}

int restoreFoundPlayList(SlideShowModel& model) {
    if (model.PlayListAside.empty())
        return 0;
    return restorePlayList(model,
                           [](const SetAsideEntry& entry) { return files::fileExists(entry.path); });
}

} // namespace vt
