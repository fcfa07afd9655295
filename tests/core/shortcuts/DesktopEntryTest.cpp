#include "shortcuts/DesktopEntry.h"

#include "TestSupport.h"
#include "common/Cp1252.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace vt {
namespace {

namespace stdfs = std::filesystem;
using Texts = std::vector<std::string>;

// A key's value with the escapes of a string value undone.
std::string valueOf(const std::string& entry, const std::string& key) {
    const std::size_t start = entry.find("\n" + key + "=");
    if (start == std::string::npos)
        return "(none)";
    std::string value;
    for (std::size_t i = start + key.size() + 2; entry[i] != '\n'; ++i) {
        const char c = entry[i] == '\\' ? entry[++i] : '\0';
        value += c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c ? c : entry[i];
    }
    return value;
}

// Exec's arguments as a launcher splits them: "%%" is a percent sign, each
// argument must be quoted, with \ before " ` $ \ only.
Texts execArguments(const std::string& exec) {
    Texts argv;
    for (std::size_t i = 0; i < exec.size(); i += 2) {
        EXPECT_EQ(exec[i], '"') << exec;
        argv.emplace_back();
        for (++i; i < exec.size() && exec[i] != '"'; ++i) {
            EXPECT_TRUE(exec[i] != '$' && exec[i] != '`') << exec;
            if (exec[i] == '%')
                EXPECT_EQ(exec[++i], '%') << exec;
            else if (exec[i] == '\\' &&
                     std::string_view("\"`$\\").find(exec[i + 1]) != std::string::npos)
                ++i;
            argv.back() += exec[i];
        }
    }
    return argv;
}

class DesktopEntryTest : public ::testing::Test {
protected:
    void create(std::string link, std::string target, std::string folder) {
        std::string none;
        std::int32_t zero = 0;
        helper.CreateShortcut(link, target, folder, none, none, zero, zero);
    }
    std::string desktop() {
        std::string path;
        EXPECT_EQ(helper.GetFolderPath(0, ShortcutHelper::Desktop, path), 1);
        return path + "\\";
    }

    test::TempFolder temp;
    DesktopEntryShortcutHelper helper{temp.host("Desk top"), ProgramSearch({})};
};

} // namespace

TEST_F(DesktopEntryTest, ALauncherStartsExactlyItsDocumentWhateverItsName) {
    const bool validate = std::system("command -v desktop-file-validate >/dev/null") == 0;
    const std::string desk = desktop(); // made on the way
    for (const std::string name :
         {"two  blanks .jpg", "it's \"quoted\".jpg", "$HOME `id` $(ls) ${PATH}.jpg",
          "100% %f %%u %.jpg", "semi;colon & | <x> *?#~ (y) =[z].jpg",
          "caf\xE9 \x80\x81 na\xEFve.jpg", " lead and trail ", "tab\there\nnew line.jpg",
          "-dash.jpg"}) {
        const std::string host = cp1252::toUtf8(name);
        create(desk + name + ".lnk", temp.win("Pics\\") + name, temp.win("Pics\\"));
        const std::string launcher = "Desk top/" + host + ".desktop";
        struct stat info {};
        ASSERT_EQ(::stat(temp.host(launcher).c_str(), &info), 0) << name;
        EXPECT_EQ(info.st_mode & 0777, 0755u);
        const std::string entry = temp.read(launcher);
        EXPECT_EQ(valueOf(entry, "Name"), host);
        EXPECT_EQ(valueOf(entry, "Path"), temp.host("Pics/"));
        EXPECT_EQ(execArguments(valueOf(entry, "Exec")),
                  (Texts{"xdg-open", temp.host("Pics/" + host)}));
        temp.write("check.desktop", entry);
        const std::string check = "desktop-file-validate " + temp.host("check.desktop");
        EXPECT_EQ(validate ? std::system(check.c_str()) : 0, 0) << name;
    }
}

TEST_F(DesktopEntryTest, ProgramsStartAsTheMenusStartThem) {
    temp.write("Vantora/vtviewer", "#!/bin/sh\n");
    stdfs::permissions(temp.host("Vantora/vtviewer"), stdfs::perms::owner_all);
    create(desktop() + "Vantora.lnk", temp.win("Vantora\\VTViewer.EXE"), temp.win("Vantora\\"));
    create(desktop() + "Thumbnailer.LNK", temp.win("Vantora\\VTThumb.EXE"), "");
    create(desktop() + ".lnk", temp.win("Shows\\"), temp.win("Shows\\"));
    const std::string viewer = temp.read("Desk top/Vantora.desktop");
    EXPECT_EQ(valueOf(viewer, "Name"), "Vantora");
    EXPECT_EQ(execArguments(valueOf(viewer, "Exec")), (Texts{temp.host("Vantora/vtviewer")}));
    const std::string thumbnailer = temp.read("Desk top/Thumbnailer.desktop");
    EXPECT_EQ(execArguments(valueOf(thumbnailer, "Exec")),
              (Texts{temp.host("Vantora/VTThumb.EXE")}));
    EXPECT_EQ(valueOf(thumbnailer, "Path"), "(none)");
    EXPECT_EQ(valueOf(temp.read("Desk top/.desktop"), "Name"), temp.win("Shows\\"));
}

TEST_F(DesktopEntryTest, WhatCannotBeWrittenIsThrownAndLeavesNothing) {
    const std::string desk = desktop();
    EXPECT_THROW(create("Q:\\Desktop\\a.lnk", temp.win("a.jpg"), ""), std::exception);
    EXPECT_THROW(create(desk + "a.lnk", "Q:\\a.jpg", ""), std::exception);
    EXPECT_THROW(create(desk + "a/b.jpg.lnk", temp.win("a/b.jpg"), ""), std::exception);
    EXPECT_THROW(create(desk + "bell\a.jpg.lnk", temp.win("bell\a.jpg"), ""), std::exception);
    stdfs::permissions(temp.host("Desk top"), stdfs::perms::owner_read | stdfs::perms::owner_exec);
    if (::access(temp.host("Desk top").c_str(), W_OK) != 0) { // root writes anyway
        EXPECT_THROW(create(desk + "a.lnk", temp.win("a.jpg"), ""), std::exception);
    }
    EXPECT_TRUE(stdfs::is_empty(temp.host("Desk top")));
}

} // namespace vt
