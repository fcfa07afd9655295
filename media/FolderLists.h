#pragma once

#include "slideshow/SlideShowModel.h"

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vt {

// Folder rows in the order their folder first occurs, no two equal when
// letter case is ignored; a row keeps the case of its first occurrence.
class FolderRows {
  public:
    explicit FolderRows(int expected);
    // Adds the folder part of path unless an equal row is there already.
    void addFolderOf(std::string_view path);
    std::vector<std::string> take() { return std::move(m_rows); }

  private:
    // Looks a folder up without making an upper-cased copy of it first.
    struct HashIgnoringCase {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const;
    };
    struct EqualIgnoringCase {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };

    std::vector<std::string> m_rows;
    std::unordered_set<std::string, HashIgnoringCase, EqualIgnoringCase> m_seen;
};

// The rows of the path editor's three lists, built from the model's tables.
std::vector<std::string> FillSlidePaths(const SlideShowModel& model);
std::vector<std::string> FillTexturePaths(const SlideShowModel& model);
// Slide sound folders first (CD-audio track numbers have none), then the
// play list's folders that are new.
std::vector<std::string> FillSoundPaths(const SlideShowModel& model);

} // namespace vt
