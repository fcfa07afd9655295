#include "platform/HostFiles.h"

#include "TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace vt {
namespace {

namespace stdfs = std::filesystem;
using files::EntryKind;

TEST(HostFiles, AFolderGivesEachEntryWithTheKindItsLinksLeadTo) {
    test::TempFolder folder;
    folder.write("Фото/Café.jpg", "x");
    folder.write("Фото/.hidden", "x");
    folder.write("Фото/写真/a.jpg", "x");
    stdfs::create_symlink(folder.host("Фото/写真"), folder.host("Фото/Zdjęcia"));
    stdfs::create_symlink(folder.host("Фото/Café.jpg"), folder.host("Фото/link.jpg"));
    stdfs::create_symlink(folder.host("gone"), folder.host("Фото/dangling"));
    const files::HostFolder open(folder.host("Фото"));
    ASSERT_EQ(open.state(), files::HostFolder::Open);
    std::map<std::string, EntryKind> seen;
    open.forEachEntry([&](std::string_view name, EntryKind kind) {
        seen.emplace(name, kind);
        return true;
    });
    EXPECT_EQ(seen, (std::map<std::string, EntryKind>{{".hidden", EntryKind::File},
                                                      {"Café.jpg", EntryKind::File},
                                                      {"Zdjęcia", EntryKind::Folder},
                                                      {"dangling", EntryKind::Other},
                                                      {"link.jpg", EntryKind::File},
                                                      {"写真", EntryKind::Folder}}));
    EXPECT_EQ(open.id(), files::hostEntry(folder.host("Фото/Zdjęcia/..")).id);

    EXPECT_EQ(files::HostFolder(folder.host("missing")).state(), files::HostFolder::Absent);
    EXPECT_EQ(files::HostFolder(folder.host("Фото/Café.jpg")).state(), files::HostFolder::Absent);
    const files::HostEntry link = files::hostEntry(folder.host("Фото/link.jpg"));
    EXPECT_EQ(link.kind, EntryKind::File);
    EXPECT_EQ(link.id, files::hostEntry(folder.host("Фото/Café.jpg")).id);
    EXPECT_EQ(files::hostEntry(folder.host("Фото/dangling")).state, files::HostEntry::Absent);
}

} // namespace
} // namespace vt
