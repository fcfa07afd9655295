#include "TestSupport.h"
#include "VtshowRun.h"

#include "platform/FileSystem.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace vt {
namespace {

namespace fs = std::filesystem;
using test::ShowFile;

// Every name in a folder, hidden ones too: what a failed write must not add.
std::string names(const std::string& hostFolder) {
    std::set<std::string> all;
    for (const auto& entry : fs::directory_iterator(hostFolder))
        all.insert(entry.path().filename().string());
    std::string joined;
    for (const std::string& name : all)
        joined += name + " ";
    return joined;
}

class SafeWrite : public ::testing::Test {
protected:
    SafeWrite() {
        ShowFile big;
        for (int i = 0; i < 2000; ++i)
            big.slides.push_back({"C:\\Pictures\\Holiday\\slide" + std::to_string(i) + ".jpg",
                                  "", "", "", ""});
        folder.write("show.vts", big.bytes());
        folder.write("old.vts", "the old show");
    }

    // The exit status of vtshow merge --yes onto target, and the last error
    // it gave, joined by '|'.
    std::string mergeOnto(const std::string& target) {
        const std::string shown = test::vtshow({"merge", "--yes", "-o", target, show});
        const auto error = shown.rfind("error:\n");
        std::string said = error == shown.npos ? "" : shown.substr(error + 7);
        while (!said.empty() && said.back() == '\n')
            said.pop_back();
        return shown.substr(0, 1) + "|" + said;
    }
    bool holdsTheNewShow(const std::string& hostPath) {
        return test::vtshow({"info", hostPath}) == "0|Version 3.0\n2,000 slides\n|";
    }

    test::TempFolder folder;
    const std::string show = folder.host("show.vts");
    const std::string failedHeader =
        "1|An error occurred while trying to write the new slide show header.\n\n";
    const std::string failedData = "1|An error occurred while saving new slide show data.\n\n";
    const std::string failedOpen = "1|Unable to save new slide show file.\n\n";
};

TEST_F(SafeWrite, AFailingDiskLeavesTheOldShowAndNothingElse) {
    const std::string before = names(folder.host());
    for (const auto& [error, room, said] : std::vector<std::tuple<int, std::size_t, std::string>>{
             {ENOSPC, 0, failedHeader + "No space left on device..."},
             {ENOSPC, 40000, failedData + "No space left on device..."},
             {EIO, 40000, failedData + "Input/output error..."}}) {
        files::setWriteFault(files::WriteFault{error, room});
        EXPECT_EQ(mergeOnto(folder.host("old.vts")), said);
        files::setWriteFault(std::nullopt);
        EXPECT_EQ(folder.read("old.vts"), "the old show");
        EXPECT_EQ(names(folder.host()), before);
    }
    EXPECT_EQ(mergeOnto(folder.host("old.vts")), "0|");
    EXPECT_TRUE(holdsTheNewShow(folder.host("old.vts")));
    EXPECT_EQ(names(folder.host()), before);
}

TEST_F(SafeWrite, OnlyARegularFileIsReplaced) {
    fs::create_directory(folder.host("folder.vts"));
    ASSERT_EQ(::mkfifo(folder.host("pipe.vts").c_str(), 0644), 0);
    const std::string before = names(folder.host());
    EXPECT_EQ(mergeOnto(folder.host("folder.vts")), failedOpen + "Is a directory...");
    EXPECT_EQ(mergeOnto(folder.host("pipe.vts")), failedOpen + "Invalid argument...");
    EXPECT_TRUE(fs::is_directory(folder.host("folder.vts")));
    EXPECT_TRUE(fs::is_fifo(folder.host("pipe.vts")));
    EXPECT_EQ(names(folder.host()), before);
    folder.write("locked.vts", "locked");
    fs::permissions(folder.host("locked.vts"), fs::perms::owner_read);
    EXPECT_EQ(mergeOnto(folder.host("locked.vts")), failedOpen + "Permission denied...");
    EXPECT_EQ(folder.read("locked.vts"), "locked");
}

TEST_F(SafeWrite, ALinkStaysALinkAndTheFileItNamesIsReplaced) {
    fs::create_directory(folder.host("elsewhere"));
    folder.write("elsewhere/real.vts", "the old show");
    fs::create_symlink("elsewhere/real.vts", folder.host("link.vts"));
    const std::string before = names(folder.host());
    EXPECT_EQ(mergeOnto(folder.host("link.vts")), "0|");
    EXPECT_EQ(fs::read_symlink(folder.host("link.vts")), "elsewhere/real.vts");
    EXPECT_TRUE(holdsTheNewShow(folder.host("elsewhere/real.vts")));
    EXPECT_EQ(names(folder.host()), before);
    EXPECT_EQ(names(folder.host("elsewhere")), "real.vts ");
}

TEST_F(SafeWrite, AReplacedShowKeepsItsPermissionsAndANewOneFollowsTheUmask) {
    fs::permissions(folder.host("old.vts"), fs::perms(0640));
    const bool superuser = ::geteuid() == 0;
    if (superuser) {
        ASSERT_EQ(::chown(folder.host("old.vts").c_str(), 1234, 1234), 0);
    }
    const mode_t mask = ::umask(027);
    test::Undo restore([mask] { ::umask(mask); });
    EXPECT_EQ(mergeOnto(folder.host("old.vts")), "0|");
    EXPECT_EQ(mergeOnto(folder.host("new.vts")), "0|");
    ::umask(0);
    fs::permissions(folder.host("old.vts"), fs::perms(0604));
    EXPECT_EQ(mergeOnto(folder.host("old.vts")), "0|");
    struct stat old {}, made {};
    ASSERT_EQ(::stat(folder.host("old.vts").c_str(), &old), 0);
    ASSERT_EQ(::stat(folder.host("new.vts").c_str(), &made), 0);
    EXPECT_EQ(old.st_mode & 07777, 0604u);
    EXPECT_EQ(made.st_mode & 07777, 0640u);
    if (superuser) {
        EXPECT_EQ(old.st_uid, 1234u);
    }
}

} // namespace
} // namespace vt
