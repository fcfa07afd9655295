#include "ModelBuilder.h"

#include "patheditor/FolderLists.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using Rows = std::vector<std::string>;
using test::makeModel;

TEST(FolderLists, KeepFirstOccurrenceOrderAndCase) {
    const auto model = makeModel({{"C:\\Pics\\a.jpg", "", ""},
                                  {"D:\\b.jpg", "C:\\Tex\\t.bmp", ""},
                                  {"c:\\pics\\c.jpg", "c:\\TEX\\u.bmp", ""},
                                  {"C:\\Pics\\Holiday\\d.jpg", "", ""},
                                  {"e.jpg", "", ""},
                                  {"C:\\\xc9t\xe9\\f.jpg", "", ""},
                                  {"c:\\\xe9T\xc9\\g.jpg", "", ""}});
    EXPECT_EQ(FillSlidePaths(*model),
              (Rows{"C:\\Pics\\", "D:\\", "C:\\Pics\\Holiday\\", "", "C:\\\xc9t\xe9\\"}));
    EXPECT_EQ(FillTexturePaths(*model), Rows{"C:\\Tex\\"});
}

TEST(FolderLists, SoundsSkipTrackNumbersButNotPlayListEntries) {
    const auto model = makeModel({{"C:\\a.jpg", "", "5"},
                                  {"C:\\b.jpg", "", " 12 "},
                                  {"C:\\c.jpg", "", "C:\\Snd\\s.wav"},
                                  {"C:\\d.jpg", "", ""}},
                                 {"c:\\snd\\p.wav", "D:\\Music\\q.mp3", "7"});
    // The play list's own folders follow the slides' ones; a numeric play
    // list entry is listed by its (empty) folder.
    EXPECT_EQ(FillSoundPaths(*model), (Rows{"C:\\Snd\\", "D:\\Music\\", ""}));
}

TEST(FolderLists, AShowWithoutSlidesStillHasOneEmptySlideRow) {
    const auto model = makeModel({});
    EXPECT_EQ(FillSlidePaths(*model), Rows{""});
    EXPECT_TRUE(FillTexturePaths(*model).empty());
    EXPECT_TRUE(FillSoundPaths(*model).empty());
}

} // namespace
} // namespace vt
