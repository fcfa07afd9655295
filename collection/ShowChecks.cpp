#include "collection/ShowChecks.h"

#include "collection/SharedSearch.h"
#include "collection/ShowPrompters.h"
#include "media/HostFolders.h"

#include <memory>

namespace vt::collection {

ShowRow checkShow(const FoundShow& show, SlideShowModel& model, media::FolderCache& folders) {
    ShowRow row;
    row.show = show;
    KeptMessages messages;
    row.read = loadShow(show.host, model, row.stamp, messages);
    if (!row.read) {
        row.problem = messages.texts.empty() ? std::string() : messages.texts.front();
        return row;
    }
    row.slides = model.SlideCount;
    row.missing = problemCount(media::checkMedia(WorkingPaths(model), folders));
    return row;
}

void checkShows(const std::string& hostFolder, const std::atomic<bool>& cancel,
                const std::function<void(std::size_t)>& found,
                const std::function<void(ShowRow)>& done) {
    const FoundShows shows = findShows({hostFolder}, &cancel);
    found(shows.shows.size());
    auto model = std::make_unique<SlideShowModel>();
    media::FolderCache folders;
    for (const FoundShow& show : shows.shows) {
        if (cancel.load())
            return;
        done(checkShow(show, *model, folders));
    }
}

} // namespace vt::collection
