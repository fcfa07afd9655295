#include "patheditor/FolderLists.h"

#include "common/Numbers.h"
#include "common/PathText.h"

namespace vt {

void FolderRows::addFolderOf(std::string_view path) {
    const std::string_view folder = folderPart(path);
    if (m_seen.insert(upperCase(folder)).second)
        m_rows.emplace_back(folder);
}

std::vector<std::string> FillSlidePaths(const SlideShowModel& model) {
    // Entry 0 always gives a row, even an empty one when there are no slides.
    FolderRows rows;
    rows.addFolderOf(model.slide(0).SlideFile);
    for (int i = 1; i < model.SlideCount; ++i)
        rows.addFolderOf(model.slide(i).SlideFile);
    return rows.take();
}

std::vector<std::string> FillTexturePaths(const SlideShowModel& model) {
    FolderRows rows;
    for (int i = 0; i < model.SlideCount; ++i) {
        const std::string& texture = model.slide(i).SlideTexture;
        if (!texture.empty())
            rows.addFolderOf(texture);
    }
    return rows.take();
}

std::vector<std::string> FillSoundPaths(const SlideShowModel& model) {
    FolderRows rows;
    for (int i = 0; i < model.SlideCount; ++i) {
        const std::string& sound = model.slide(i).SlideSound;
        if (!sound.empty() && !isNumber(sound))
            rows.addFolderOf(sound);
    }
    for (int i = 0; i < model.PlayListCount; ++i)
        rows.addFolderOf(model.playList(i));
    return rows.take();
}

} // namespace vt
