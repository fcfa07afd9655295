#include "shortcuts/DesktopEntry.h"

#include "TestSupport.h"
#include "common/Cp1252.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace vt {
namespace {

namespace stdfs = std::filesystem;
using Texts = std::vector<std::string>;

// A string value read back as a desktop reads it.
std::string unescapeValue(std::string_view value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const char c = value[++i];
        text += c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
    }
    return text;
}

std::map<std::string, std::string> entryKeys(const std::string& text) {
    std::map<std::string, std::string> keys;
    std::size_t start = text.find("[Desktop Entry]\n");
    EXPECT_EQ(start, 0u);
    for (start = text.find('\n') + 1; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        const std::size_t equals = line.find('=');
        EXPECT_NE(equals, std::string::npos) << line;
        keys[line.substr(0, equals)] = unescapeValue(line.substr(equals + 1));
        start = end + 1;
    }
    return keys;
}

// Splits an unescaped Exec value as a launcher does: "%%" is a percent sign,
// and every argument here must be quoted, with \ before " ` $ \ only.
Texts execArguments(std::string_view exec) {
    std::string expanded;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        expanded += exec[i];
        if (exec[i] == '%') {
            EXPECT_TRUE(i + 1 < exec.size() && exec[i + 1] == '%') << "field code in " << exec;
            ++i;
        }
    }
    Texts argv;
    for (std::size_t i = 0; i < expanded.size();) {
        EXPECT_EQ(expanded[i], '"') << "unquoted argument in " << exec;
        std::string argument;
        for (++i; i < expanded.size() && expanded[i] != '"'; ++i) {
            const char c = expanded[i];
            if (c == '`' || c == '$')
                ADD_FAILURE() << "unescaped " << c << " in " << exec;
            if (c == '\\' && i + 1 < expanded.size() &&
                std::string_view("\"`$\\").find(expanded[i + 1]) != std::string_view::npos)
                ++i;
            argument += expanded[i];
        }
        argv.push_back(argument);
        i += 1;
        if (i < expanded.size()) {
            EXPECT_EQ(expanded[i], ' ');
            ++i;
        }
    }
    return argv;
}

// desktop-file-validate's verdict, or "" when it is not installed.
std::string validatorComplaints(const test::TempFolder& temp, std::string_view hostLauncher) {
    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0)
        return {};
    stdfs::copy_file(std::string(hostLauncher), temp.host("check.desktop"),
                     stdfs::copy_options::overwrite_existing);
    const std::string command = "desktop-file-validate '" + temp.host("check.desktop") + "' > '" +
                                temp.host("check.txt") + "' 2>&1";
    const int status = std::system(command.c_str());
    return status == 0 ? std::string() : "failed: " + temp.read("check.txt");
}

class DesktopEntryTest : public ::testing::Test {
  protected:
    DesktopEntryTest() : helper(temp.host("Desk top"), ProgramSearch({})) {}

    std::string desktop() {
        std::string path;
        EXPECT_EQ(helper.GetFolderPath(0, ShortcutHelper::Desktop, path), 1);
        return path;
    }
    void create(std::string link, std::string target, std::string folder) {
        std::string none;
        std::int32_t zero = 0;
        helper.CreateShortcut(link, target, folder, none, none, zero, zero);
    }

    test::TempFolder temp;
    DesktopEntryShortcutHelper helper;
};

} // namespace

TEST_F(DesktopEntryTest, TheDesktopFolderIsMadeWhenMissing) {
    EXPECT_FALSE(stdfs::exists(temp.host("Desk top")));
    EXPECT_EQ(desktop(), temp.win("Desk top"));
    EXPECT_TRUE(stdfs::is_directory(temp.host("Desk top")));

    std::string path;
    temp.write("blocked", "");
    DesktopEntryShortcutHelper blocked(temp.host("blocked/Desktop"), ProgramSearch({}));
    EXPECT_EQ(blocked.GetFolderPath(0, ShortcutHelper::Desktop, path), 0);
    DesktopEntryShortcutHelper none("", ProgramSearch({}));
    EXPECT_EQ(none.GetFolderPath(0, ShortcutHelper::Desktop, path), 0);
    EXPECT_EQ(path, "");
}

TEST_F(DesktopEntryTest, ALauncherStartsExactlyItsDocumentWhateverItsName) {
    const Texts names = {"Beach.JPG",
                         "two  blanks .jpg",
                         "it's \"quoted\".jpg",
                         "$HOME `id` $(ls) ${PATH}.jpg",
                         "100% %f %%u %.jpg",
                         "semi;colon & pipe | <x> *?#~ (y) =[z].jpg",
                         "caf\xE9 \x80 na\xEFve.jpg",
                         " lead and trail ",
                         "tab\there.jpg",
                         "new\nline.jpg",
                         "\x81\x8D\xA0.jpg",
                         "-dash.jpg"};
    const std::string folder = desktop() + "\\";
    for (const std::string& name : names) {
        const std::string hostName = cp1252::toUtf8(name);
        temp.write("Pics/" + hostName, "picture");
        create(folder + name + ".lnk", temp.win("Pics\\") + name, temp.win("Pics\\"));

        const std::string launcher = temp.host("Desk top/" + hostName + ".desktop");
        ASSERT_TRUE(stdfs::exists(launcher)) << name;
        struct stat info {};
        ASSERT_EQ(::stat(launcher.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0755u);
        EXPECT_EQ(validatorComplaints(temp, launcher), "") << name;

        const auto keys = entryKeys(temp.read("Desk top/" + hostName + ".desktop"));
        EXPECT_EQ(keys.at("Name"), hostName);
        EXPECT_EQ(keys.at("Path"), temp.host("Pics/"));
        EXPECT_EQ(execArguments(keys.at("Exec")),
                  (Texts{"xdg-open", temp.host("Pics/" + hostName)}))
            << keys.at("Exec");
    }
    EXPECT_EQ(std::distance(stdfs::directory_iterator(temp.host("Desk top")), {}),
              static_cast<std::ptrdiff_t>(names.size()));
}

TEST_F(DesktopEntryTest, ProgramsStartAsTheMenusStartThem) {
    temp.write("Vantora/vtviewer", "#!/bin/sh\n");
    stdfs::permissions(temp.host("Vantora/vtviewer"), stdfs::perms::owner_all);
    const std::string folder = desktop() + "\\";
    create(folder + "Vantora.lnk", temp.win("Vantora\\VTViewer.EXE"), temp.win("Vantora\\"));
    create(folder + "Vantora Thumbnailer.LNK", temp.win("Vantora\\VTThumb.EXE"), "");
    create(folder + ".lnk", temp.win("Shows\\"), temp.win("Shows\\"));

    auto keys = entryKeys(temp.read("Desk top/Vantora.desktop"));
    EXPECT_EQ(keys.at("Name"), "Vantora");
    EXPECT_EQ(execArguments(keys.at("Exec")), (Texts{temp.host("Vantora/vtviewer")}));
    keys = entryKeys(temp.read("Desk top/Vantora Thumbnailer.desktop"));
    EXPECT_EQ(execArguments(keys.at("Exec")), (Texts{temp.host("Vantora/VTThumb.EXE")}));
    EXPECT_EQ(keys.count("Path"), 0u);
    keys = entryKeys(temp.read("Desk top/.desktop"));
    EXPECT_EQ(keys.at("Name"), cp1252::toUtf8(temp.win("Shows\\")));
    EXPECT_EQ(execArguments(keys.at("Exec")), (Texts{"xdg-open", temp.host("Shows/")}));
}

TEST_F(DesktopEntryTest, WhatCannotBeWrittenIsThrownAndLeavesNothing) {
    const std::string folder = desktop() + "\\";
    EXPECT_THROW(create("Q:\\Desktop\\a.lnk", temp.win("a.jpg"), ""), std::exception);
    EXPECT_THROW(create(folder + "a.lnk", "Q:\\a.jpg", ""), std::exception);
    EXPECT_THROW(create(folder + "a/b.jpg.lnk", temp.win("Pics\\a/b.jpg"), ""), std::exception);
    EXPECT_THROW(create(folder + "bell\a.jpg.lnk", temp.win("bell\a.jpg"), ""), std::exception);
    stdfs::permissions(temp.host("Desk top"), stdfs::perms::owner_read | stdfs::perms::owner_exec);
    if (::access(temp.host("Desk top").c_str(), W_OK) != 0) { // root writes anyway
        EXPECT_THROW(create(folder + "a.lnk", temp.win("a.jpg"), ""), std::exception);
    }
    EXPECT_TRUE(stdfs::is_empty(temp.host("Desk top")));
}

} // namespace vt
