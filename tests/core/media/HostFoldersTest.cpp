#include "TestSupport.h"

#include "media/HostFolders.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using namespace media;

// A listing as text: its state, where it was found and its entries in order,
// folders marked with a slash.
std::string describe(const FolderListing& listing, const std::string& hostRoot) {
    const char* states[] = {"read", "absent", "unlistable"};
    std::string text = states[listing.state];
    text += " " +
            (listing.host.starts_with(hostRoot) ? "~/" + listing.host.substr(hostRoot.size())
                                                : listing.host) +
            ":";
    for (const FolderListing::Entry& entry : listing.entries)
        text += " " + entry.name + (entry.kind == EntryKind::Folder ? "/" : "");
    return text;
}

// Folders read ahead on several threads are the folders read one by one:
// the letter case found on disk, a folder missing as written looked for
// through its parents, a missing folder told as missing, whichever thread
// read it.
TEST(MediaFolders, ReadingAheadFindsWhatReadingOneByOneFinds) {
    test::TempFolder folder;
    const std::string root = folder.host();
    std::vector<std::string> asked;
    for (int i = 0; i < 200; ++i) {
        const std::string n = std::to_string(i);
        folder.write("Set " + n + "/Photo " + n + ".jpg", "x");
        asked.push_back(folder.host((i % 2 ? "Set " : "SET ") + n + "/"));
    }
    for (const char* name : {"Pics/a.jpg", "Pics/.hidden.jpg", "Pics/Sub/c.jpg"})
        folder.write(name, "x");
    for (const char* name :
         {"pics/sub/", "PICS/", "Pics/", "Gone/", "Gone/deeper/", "Pics/a.jpg/", "Pics/none/"})
        asked.push_back(folder.host(name));
    asked.push_back(asked.front());

    FolderCache oneByOne, ahead;
    ahead.readAhead(std::vector<std::string_view>(asked.begin(), asked.end()));
    std::string expected, got;
    for (const std::string& hostFolder : asked) {
        expected += describe(oneByOne.folder(hostFolder), root) + "\n";
        got += describe(ahead.folder(hostFolder), root) + "\n";
    }
    EXPECT_EQ(got, expected);
    EXPECT_EQ(describe(ahead.folder(folder.host("SET 4/")), root), "read ~/Set 4/: Photo 4.jpg");
    EXPECT_EQ(describe(ahead.folder(folder.host("pics/sub/")), root), "read ~/Pics/Sub/: c.jpg");
    EXPECT_EQ(describe(ahead.folder(folder.host("PICS/")), root), "read ~/Pics/: a.jpg Sub/");
    EXPECT_EQ(describe(ahead.folder(folder.host("Gone/deeper/")), root), "absent ~/Gone/deeper/:");
    EXPECT_EQ(describe(ahead.folder(folder.host("Pics/a.jpg/")), root), "absent ~/Pics/a.jpg/:");
}

} // namespace
} // namespace vt
