#include "TestSupport.h"

#include "platform/FileCopy.h"
#include "platform/FileSystem.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vt {
namespace {

namespace fs = std::filesystem;

// Every entry under a folder with its contents, or "-" when it is not there.
std::string listing(const std::string& hostFolder) {
    if (!fs::exists(hostFolder))
        return "-";
    std::string all;
    for (const auto& item : fs::recursive_directory_iterator(hostFolder))
        all += fs::relative(item.path(), hostFolder).string() +
               (item.is_directory() ? "/" : "=" + std::to_string(item.file_size())) + "\n";
    return all;
}

// Starts `vtshow pack` as a child that stops itself once it has copied a
// file; `whilePaused` looks at the pack folder then. Sends signal, lets it go
// on and returns its exit status (-1 when it did not pause or exit).
int interruptedPack(const std::vector<std::string>& args, const std::string& errors, int signal,
                    const std::function<void()>& whilePaused) {
    std::vector<std::string> words = {"vtshow", "pack"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const test::ScopedEnvironment pause("VTSHOW_TEST_PAUSE_AFTER_FILES", "1");
    const pid_t child = ::fork();
    if (child == 0) {
        const int err = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(err, 2);
        ::execv(VTSHOW_BINARY, argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, WUNTRACED) != child)
        return -1;
    if (WIFSTOPPED(status))
        whilePaused();
    ::kill(child, signal);
    ::kill(child, SIGCONT);
    if (WIFSTOPPED(status) && ::waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Ctrl-C, SIGTERM and SIGHUP in the middle of a pack: vtshow removes the
// files and folders it made, keeps what was there, never touches the show
// and its files, and exits as a shell reports the signal.
TEST(PackInterrupted, BySignalsLeavesNothingItWrote) {
    struct Case {
        int signal;
        int status;
        std::string folder; // host path under the temporary folder
        std::string before; // "": no such folder yet; "/": an empty one; else a file in it
    };
    const Case cases[] = {{SIGINT, 130, "new/Café Ñu/Trip", ""},
                          {SIGTERM, 143, "empty", "/"},
                          {SIGHUP, 129, "busy", "mine.txt"}};
    for (const Case& c : cases) {
        test::TempFolder temp;
        temp.write("Café/a.jpg", std::string(1000, 'a'));
        temp.write("Café/b.jpg", "bb");
        temp.write("pics/c.jpg", "ccc");
        test::ShowFile show;
        show.slides = {{temp.win("Caf\xe9\\a.jpg"), "", "", "", ""},
                       {temp.win("Caf\xe9\\b.jpg"), "", "", "", ""},
                       {temp.win("pics\\c.jpg"), "", "", "", ""}};
        temp.write("shows/trip.vts", show.bytes());
        if (c.before == "/")
            fs::create_directories(temp.host(c.folder));
        else if (!c.before.empty())
            temp.write(c.folder + "/" + c.before, "keep");
        const std::string sources = listing(temp.host("Café")) + listing(temp.host("pics")) +
                                    listing(temp.host("shows")) + temp.read("shows/trip.vts");
        const std::string kept = listing(temp.host(c.folder));
        std::string duringPack;
        const int status = interruptedPack(
            {"--yes", "-o", temp.host(c.folder), temp.host("shows/trip.vts")},
            temp.host("errors"), c.signal, [&] { duringPack = listing(temp.host(c.folder)); });

        SCOPED_TRACE(strsignal(c.signal));
        EXPECT_NE(duringPack.find(".jpg="), std::string::npos) << duringPack; // mid-pack
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(listing(temp.host(c.folder)), kept);
        if (c.before.empty()) {
            EXPECT_EQ(listing(temp.host("new")), "-");
        }
        EXPECT_EQ(listing(temp.host("Café")) + listing(temp.host("pics")) +
                      listing(temp.host("shows")) + temp.read("shows/trip.vts"),
                  sources);
        EXPECT_NE(temp.read("errors").find("Packing was cancelled. Everything it had written "
                                           "has been removed."),
                  std::string::npos)
            << temp.read("errors");
    }
}

// A file with holes is copied with the same holes, in the kernel or by hand.
TEST(PackCopy, KeepsASparseFileSparse) {
    test::TempFolder temp;
    const std::string source = temp.host("disk.img");
    const off_t size = off_t{64} << 20;
    {
        const int fd = ::open(source.c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        for (const off_t at : {off_t{0}, off_t{20} << 20, off_t{40} << 20})
            ASSERT_EQ(::pwrite(fd, "data", 4, at), 4);
        ASSERT_EQ(::ftruncate(fd, size), 0); // ends in a hole
        ::close(fd);
    }
    struct stat from {};
    ASSERT_EQ(::stat(source.c_str(), &from), 0);
    if (from.st_blocks * 512 >= size)
        GTEST_SKIP() << "this file system keeps no holes";
    for (const bool byHand : {false, true}) {
        if (byHand) // a write fault that never strikes makes the copy go by hand
            files::setWriteFault(files::WriteFault{ENOSPC, std::size_t{1} << 40});
        const std::string target = temp.host(byHand ? "by-hand.img" : "kernel.img");
        std::uint64_t counted = 0;
        const files::CopyResult copied = files::copyFile(source, target, [&](std::uint64_t bytes) {
            counted += bytes;
            return true;
        });
        files::setWriteFault(std::nullopt);
        struct stat to {};
        ASSERT_EQ(copied.outcome, files::CopyOutcome::Copied) << copied.error;
        ASSERT_EQ(::stat(target.c_str(), &to), 0);
        EXPECT_LE(to.st_blocks, from.st_blocks + 64) << "byHand " << byHand;
        EXPECT_EQ(counted, static_cast<std::uint64_t>(size));
        EXPECT_EQ(temp.read(byHand ? "by-hand.img" : "kernel.img"), temp.read("disk.img"));
    }
}

} // namespace
} // namespace vt
