#include "ModelBuilder.h"
#include "TestSupport.h"

#include "media/MediaSearch.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vt {
namespace {

using namespace media;
namespace fs = std::filesystem;

std::string join(const std::vector<std::string>& items, const std::string& root) {
    std::string text;
    for (std::string item : items) {
        if (item.starts_with(root))
            item = "~\\" + item.substr(root.size());
        text += (text.empty() ? "" : ", ") + item;
    }
    return text;
}

// The proposals as text, the temporary folder written as "~\".
std::string describe(const MediaCheck& check, const Proposals& proposals, const std::string& root) {
    std::string text;
    for (const FolderProposal& p : proposals.folders) {
        text += join({p.oldFolder}, root) + " -> [" + join(p.candidates, root) + "] holds";
        for (int h : p.holds)
            text += " " + std::to_string(h);
        text += " tied " + std::to_string(p.tied) + " chosen " + std::to_string(p.chosen) +
                (p.apply ? " apply" : "") + " found " + std::to_string(p.found) + " missing " +
                std::to_string(p.stillMissing) + "\n";
    }
    for (const FileProposal& f : proposals.files) {
        text += join({check.entries[f.entry].path}, root) + " => [" + join(f.candidates, root) +
                "] tied " + std::to_string(f.tied) + (f.apply ? " apply" : "") +
                (f.keep ? " keep" : "") + "\n";
    }
    return text;
}

class MediaSearch : public ::testing::Test {
  protected:
    MediaSearch() {
        for (const char* name :
             {"new/Pics/Beach/a.jpg", "new/Pics/Beach/B.JPG", "new/Pics/Beach/Sub/d.jpg",
              "new/Backup/a.jpg", "new/Backup/b.jpg", "new/Backup/Sub/d.jpg",
              "new/one/q.jpg", "new/two/q.jpg", "new/.hidden/Snd/s.wav", "new/Snd/.s.wav",
              "new/else/x.jpg", "new/else/gone.jpg", "old/kept.jpg", "old/Inner/kept.jpg", "new/Pics/Beach/c.jpg"})
            folder.write(name, "x");
        fs::create_directory_symlink("..", folder.host("new/Pics/up"));
        fs::create_symlink("nowhere", folder.host("new/dangling.jpg"));
        fs::create_symlink("../else/x.jpg", folder.host("new/one/linked.jpg"));
    }

    test::ScopedDriveMap drives{DriveMap({})};
    test::TempFolder folder;
    const std::string w = folder.win();
};

TEST_F(MediaSearch, WalksEachFolderOnceAndProposesTheFolderHoldingMostOfARowsFiles) {
    NameIndex index;
    WalkProgress progress;
    WalkSummary summary;
    index.walk(folder.host("new"), progress, summary);
    index.walk(folder.host("new/Pics/"), progress, summary); // walked already
    index.walk(folder.host("absent"), progress, summary);
    EXPECT_EQ(summary.files, 14); // the hidden file too, and the link to a file
    EXPECT_EQ(summary.folders, 12); // hidden ones too
    EXPECT_EQ(summary.loops, 2); // the link up, and new/Pics walked again
    EXPECT_EQ(summary.badRoots, std::vector<std::string>{folder.host("absent")});
    EXPECT_EQ(index.foldersOf("S.WAV"), std::vector<std::string>{folder.host("new/.hidden/Snd/")});
    EXPECT_EQ(index.foldersOf("LINKED.jpg"), std::vector<std::string>{folder.host("new/one/")});

    const auto model = test::makeModel(
        {{"C:\\Pics\\Beach\\a.jpg", "", "7"},
         {"C:\\Pics\\Beach\\b.jpg", "", "D:\\Snd\\s.wav"},
         {"C:\\Pics\\Beach\\Sub\\d.jpg", "", ""},
         {"C:\\Pics\\Beach\\C.jpg", "", ""},
         {"C:\\Pics\\Beach\\x.jpg", "", ""},
         {"C:\\Pics\\Beach\\nowhere.jpg", "", ""},
         {"C:\\Art\\q.jpg", "", ""},
         {w + "old\\kept.jpg", "", ""},
         {w + "old\\Inner\\kept.jpg", "", ""},
         {w + "old\\gone.jpg", "", ""}},
        {}, "C:\\Snd\\s.wav");
    WorkingPaths editor(*model);
    const MediaCheck check = checkMedia(editor);
    Proposals proposals = propose(check, index);
    // Beach and Backup hold a and b, Beach also C (as c.jpg); x is found
    // elsewhere only, nowhere.jpg nowhere. Sub's tie goes to the folder whose
    // trailing names match; Art's tie stays. Moving old\ would carry the found
    // files along, so they are put back.
    EXPECT_EQ(describe(check, proposals, w),
              "C:\\Pics\\Beach\\ -> [~\\new\\Pics\\Beach\\, ~\\new\\Backup\\, ~\\new\\else\\] "
              "holds 3 2 1 tied 1 chosen 0 apply found 4 missing 1\n"
              "C:\\Pics\\Beach\\Sub\\ -> [~\\new\\Pics\\Beach\\Sub\\, ~\\new\\Backup\\Sub\\] holds "
              "1 1 tied 1 chosen 0 apply found 1 missing 0\n"
              "C:\\Art\\ -> [~\\new\\one\\, ~\\new\\two\\] holds 1 1 tied 2 chosen -1 found 0 "
              "missing 1\n"
              "~\\old\\ -> [~\\new\\else\\] holds 1 tied 1 chosen 0 apply found 1 missing 0\n"
              "D:\\Snd\\ -> [~\\new\\.hidden\\Snd\\] holds 1 tied 1 chosen 0 apply found 1 missing 0\n"
              "C:\\Pics\\Beach\\x.jpg => [~\\new\\else\\x.jpg] tied 1 apply\n"
              "~\\old\\kept.jpg => [~\\old\\kept.jpg] tied 1 apply keep\n"
              "~\\old\\Inner\\kept.jpg => [~\\old\\Inner\\kept.jpg] tied 1 apply keep\n"
              "C:\\Snd\\s.wav => [~\\new\\.hidden\\Snd\\s.wav] tied 1 apply\n");

    test::RecordingPrompter prompter;
    EXPECT_EQ(applyProposals(editor, check, proposals, prompter), 8);
    EXPECT_EQ(prompter.messages.size(), 0u);
    EXPECT_EQ(join(editor.EditSlideFile, w),
              "~\\new\\Pics\\Beach\\a.jpg, ~\\new\\Pics\\Beach\\b.jpg, ~\\new\\Pics\\Beach\\Sub\\d.jpg, "
              "~\\new\\Pics\\Beach\\C.jpg, ~\\new\\else\\x.jpg, ~\\new\\Pics\\Beach\\nowhere.jpg, "
              "C:\\Art\\q.jpg, ~\\old\\kept.jpg, ~\\old\\Inner\\kept.jpg, ~\\new\\else\\gone.jpg");
    EXPECT_EQ(join(editor.ListSlide, w),
              "~\\new\\Pics\\Beach\\, ~\\new\\Pics\\Beach\\Sub\\, C:\\Art\\, ~\\new\\else\\, "
              "~\\old\\Inner\\, ~\\old\\");
    EXPECT_EQ(join({editor.EditSlideSound[1], editor.TextSound}, w),
              "~\\new\\.hidden\\Snd\\s.wav, ~\\new\\.hidden\\Snd\\s.wav");

    // The user settles Art's tie: the counts follow, nothing else changes.
    proposals.folders[2].chosen = 1;
    proposals.folders[2].apply = true;
    proposeFiles(proposals, check, index);
    EXPECT_EQ(proposals.folders[2].found, 1);
    EXPECT_EQ(proposals.files.size(), 4u);
}

TEST_F(MediaSearch, FoldersModifyWouldRefuseAreRefusedOnceEachAndSingleFilesMoveAlone) {
    for (const char* name : {"a,b/p.jpg", "ok/s.wav", "ok/s1.wav", "x;y/s2.wav", "x;y/s3.wav"})
        folder.write(std::string("more/") + name, "x");
    NameIndex index;
    WalkProgress progress;
    WalkSummary summary;
    index.walk(folder.host("more"), progress, summary);
    const auto model = test::makeModel({{"C:\\A\\p.jpg", "", "C:\\S\\s.wav"},
                                        {"C:\\A\\p.jpg", "", "C:\\S\\s1.wav"},
                                        {"C:\\A\\p.jpg", "", "C:\\S\\s2.wav"},
                                        {"C:\\A\\p.jpg", "", "C:\\S\\s3.wav"}});
    WorkingPaths editor(*model);
    const MediaCheck check = checkMedia(editor);
    test::RecordingPrompter prompter;
    // C:\S\ ties two folders holding two files each: no folder is chosen,
    // each file goes where it was found, if Modify would accept the folder.
    EXPECT_EQ(applyProposals(editor, check, propose(check, index), prompter), 2);
    ASSERT_EQ(prompter.messages.size(), 2u); // the refusal's text is the path editor's
    EXPECT_TRUE(prompter.texts()[1].starts_with("The path that was specified contains"));
    EXPECT_EQ(join(editor.EditSlideSound, w),
              "~\\more\\ok\\s.wav, ~\\more\\ok\\s1.wav, C:\\S\\s2.wav, C:\\S\\s3.wav");
}

} // namespace
} // namespace vt
