#include "platform/FileSystem.h"
#include "platform/UserFolders.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

// What each file routine reports, in the system's words: the text the
// message boxes show after our own sentence.
TEST(FileFailures, CarryTheSystemsDescription) {
    test::TempFolder folder;
    folder.write("Café/Фото.txt", "x");
    const std::string missing = codepage::fromUtf8(folder.win("Zdjecia\\Café.txt"));
    files::FileBytes bytes;
    std::string start;
    const struct {
        const char* what;
        Failure failure;
        const char* description;
    } cases[] = {
        {"replace into a missing folder", files::replaceFile(missing, "x"),
         "No such file or directory"},
        {"read a missing file", files::readWholeFile(missing, bytes), "No such file or directory"},
        {"read a folder", files::readHostFile(folder.host("Café"), bytes), "Is a directory"},
        {"read the start of a missing file", files::readFileStart(missing, 4, start),
         "No such file or directory"},
        {"delete a folder", files::deleteFile(codepage::fromUtf8(folder.win("Café"))),
         "Is a directory"},
        {"a new file over an old one",
         files::writeNewHostFile(folder.host("Café/Фото.txt"), "y", false), "File exists"},
        {"folders below a file", userfolders::makeFolders(folder.host("Café/Фото.txt/写真")),
         "Not a directory"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.failure) << c.what;
        EXPECT_EQ(c.failure.description(), c.description) << c.what;
    }
}

} // namespace
} // namespace vt
