#include "media/FolderLists.h"

#include "common/Numbers.h"
#include "common/PathText.h"

namespace vt {

// Only ASCII letters are folded; other bytes are left out of the hash, so
// texts that are equal ignoring case always hash alike.
std::size_t FolderRows::HashIgnoringCase::operator()(std::string_view text) const {
    std::size_t hash = 14695981039346656037ull;
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            continue;
        hash = (hash ^ static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c)) *
               1099511628211ull;
    }
    return hash ^ text.size();
}

bool FolderRows::EqualIgnoringCase::operator()(std::string_view a, std::string_view b) const {
    return equalsIgnoringCase(a, b);
}

FolderRows::FolderRows(int expected) {
    m_seen.reserve(static_cast<std::size_t>(expected));
}

void FolderRows::addFolderOf(std::string_view path) {
    const std::string_view folder = folderPart(path);
    if (m_seen.find(folder) != m_seen.end())
        return;
    m_seen.emplace(folder);
    m_rows.emplace_back(folder);
}

std::vector<std::string> FillSlidePaths(const SlideShowModel& model) {
    // Entry 0 always gives a row, even an empty one when there are no slides.
    FolderRows rows(model.SlideCount);
    rows.addFolderOf(model.slide(0).SlideFile);
    for (int i = 1; i < model.SlideCount; ++i)
        rows.addFolderOf(model.slide(i).SlideFile);
    return rows.take();
}

std::vector<std::string> FillTexturePaths(const SlideShowModel& model) {
    FolderRows rows(model.SlideCount);
    for (int i = 0; i < model.SlideCount; ++i) {
        const std::string& texture = model.slide(i).SlideTexture;
        if (!texture.empty())
            rows.addFolderOf(texture);
    }
    return rows.take();
}

std::vector<std::string> FillSoundPaths(const SlideShowModel& model) {
    FolderRows rows(model.SlideCount + model.PlayListCount);
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
