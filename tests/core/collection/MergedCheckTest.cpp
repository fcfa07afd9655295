#include "ModelBuilder.h"
#include "TestSupport.h"

#include "collection/MergedCheck.h"
#include "patheditor/PathEditor.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

// Two shows that share a moved folder, each with a folder and a file of
// its own: one search and one set of proposals fixes both.
TEST(MergedCheck, OneSearchOverSeveralShowsGoesBackToEachShow) {
    test::ScopedDriveMap drives{DriveMap({})};
    test::TempFolder folder;
    for (const char* name : {"new/Pics/a.jpg", "new/Pics/b.jpg", "new/Art/c.jpg", "new/x/song.wav"})
        folder.write(name, "x");
    const std::string w = folder.win();
    const auto first = test::makeModel({{"C:\\Pics\\a.jpg", "", ""}, {"C:\\Art\\c.jpg", "", ""}});
    const auto second = test::makeModel({{"C:\\Pics\\b.jpg", "", ""}, {"C:\\Pics\\gone.jpg", "", ""}},
                                         {}, "C:\\Snd\\song.wav");
    PathEditor one(*first), two(*second);
    const media::MediaCheck checks[] = {media::checkMedia(one), media::checkMedia(two)};
    const collection::MergedCheck merged = collection::mergeChecks({&checks[0], &checks[1]});

    std::string rows;
    for (const media::FolderRowCheck& row : merged.check.rows)
        rows += row.folder + " " + std::to_string(row.files) + "/" + std::to_string(row.missing) + ";";
    EXPECT_EQ(rows, "C:\\Pics\\ 3/3;C:\\Art\\ 1/1;C:\\Snd\\song.wav 1/1;");
    EXPECT_EQ(merged.check.notMappable, 5);
    ASSERT_EQ(merged.origins.size(), 5u);
    EXPECT_EQ(merged.origins[3].show * 10 + merged.origins[3].entry, 11u);

    media::NameIndex index;
    media::WalkProgress progress;
    media::WalkSummary summary;
    index.walk(folder.host("new"), progress, summary);
    const media::Proposals proposals = media::propose(merged.check, index);
    ASSERT_EQ(proposals.folders.size(), 2u); // C:\Pics\ once for both shows
    test::RecordingPrompter prompter;
    PathEditor* editors[] = {&one, &two};
    for (std::size_t show = 0; show < 2; ++show)
        media::applyProposals(*editors[show], checks[show],
                              collection::proposalsFor(merged, proposals, show), prompter);
    EXPECT_EQ(one.EditSlideFile[0] + ";" + one.EditSlideFile[1],
              w + "new\\Pics\\a.jpg;" + w + "new\\Art\\c.jpg");
    EXPECT_EQ(two.EditSlideFile[0] + ";" + two.EditSlideFile[1] + ";" + two.TextSound,
              w + "new\\Pics\\b.jpg;" + w + "new\\Pics\\gone.jpg;" + w + "new\\x\\song.wav");
    EXPECT_TRUE(prompter.messages.empty());
}

} // namespace
} // namespace vt
