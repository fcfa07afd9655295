#pragma once

#include "collection/ShowFinder.h"
#include "collection/ShowStore.h"

#include <atomic>
#include <functional>
#include <string>

namespace vt::media {
class FolderCache;
}

namespace vt::collection {

// One show of a collection as its table row shows it.
struct ShowRow {
    FoundShow show;
    bool read = false;
    int slides = 0;
    int missing = 0;     // missing and not mappable files
    std::string problem; // what the reader said about a show it could not read
    FileStamp stamp;
};

// Reads one show on its own into the model and checks its files.
ShowRow checkShow(const FoundShow& show, SlideShowModel& model, media::FolderCache& folders);

// Finds every show below the folder and checks them one by one: `found`
// gets their number once they are known, `done` each row as soon as it is
// ready. Never shows a message, so it may run on a thread of its own;
// `cancel` stops it between two shows.
void checkShows(const std::string& hostFolder, const std::atomic<bool>& cancel,
                const std::function<void(std::size_t)>& found,
                const std::function<void(ShowRow)>& done);

} // namespace vt::collection
