#include "TestSupport.h"

#include "VtshowRun.h"
#include "cli/TerminalText.h"
#include "common/CodePage.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vt {
namespace {

using test::ShowFile;
using test::vtshow;

// One show per code page family: the folder and file as the show writes them
// (in another letter case where the script has one) and as they are on disk.
struct Family {
    int number;
    const char* inShow; // UTF-8 here, code page bytes in the show
    const char* onDisk;
};

constexpr Family Families[] = {
    {1250, "ZDJĘCIA\\łÓdź.png", "Zdjęcia/Łódź.png"},
    {1251, "ФОТО\\Лето.png", "фото/лето.png"},
    {1253, "ΦΩΤΟΓΡΑΦΊΕΣ\\θάλασσα.png", "Φωτογραφίες/Θάλασσα.png"},
    {1254, "FOTOĞRAFLAR\\ŞEHIR.png", "Fotoğraflar/şehir.png"},
    {1255, "תמונות\\ים.png", "תמונות/ים.png"},
    {1256, "صور\\بحر.png", "صور/بحر.png"},
    {1257, "NUOTRAUKOS\\JŪRA.png", "Nuotraukos/jūra.png"},
    {1258, "ĐÀ LẠT\\ẢNH.png", "Đà Lạt/ảnh.png"}, // composed on disk, not in the show
    {874, "ภาพ\\ทะเล.png", "ภาพ/ทะเล.png"},
};

class CodePageShows : public ::testing::Test {
  protected:
    test::ScopedDriveMap drives{DriveMap({})};
    test::TempFolder folder;
    const std::string w = folder.win();

    std::string writeShow(const Family& family) {
        folder.write(family.onDisk, "x");
        ShowFile show;
        const std::string path = codepage::fromUtf8(family.inShow, family.number);
        EXPECT_EQ(path.find('?'), std::string::npos) << family.number; // every letter is there
        show.slides = {{w + path, "", "", "", ""}};
        folder.write("show.vts", show.bytes());
        return show.bytes();
    }
};

TEST_F(CodePageShows, EachFamilyFindsItsFilesIgnoringCaseAndWritesTheShowBackByteForByte) {
    for (const Family& family : Families) {
        const std::string bytes = writeShow(family);
        const std::string number = std::to_string(family.number);
        const std::string inShow = family.inShow, row = inShow.substr(0, inShow.find('\\') + 1);
        EXPECT_EQ(vtshow({"--codepage", number, "check", folder.host("show.vts")}),
                  "0|[ListSlide] " + w +
                      codepage::toUtf8(codepage::fromUtf8(row, family.number), family.number) +
                      ": 1 file, 0 missing\n1 file: 1 found, 0 missing, 0 not mappable\n|")
            << number;
        EXPECT_EQ(vtshow({"merge", "--codepage", number, "--yes", "-o", folder.host(number + ".vts"),
                          folder.host("show.vts")}),
                  "0||");
        EXPECT_EQ(folder.read(number + ".vts"), bytes) << number;
        std::filesystem::remove_all(folder.host(family.onDisk).substr(
            0, folder.host().size() + std::string(family.onDisk).find('/')));
    }
    // The code page is for that run only.
    EXPECT_EQ(codepage::active(), 1252);
}

TEST_F(CodePageShows, DoubleByteCodePagesMapOnlyAsciiPaths) {
    folder.write("pics/a.png", "x");
    folder.write("写真/b.png", "x");
    ShowFile show;
    show.slides = {{w + "pics\\a.png", "", "", "", ""},
                   {w + codepage::fromUtf8("写真\\b.png", 932), "", "", "", ""},
                   {w + codepage::fromUtf8("表\\c.png", 932), "", "", "", ""}};
    folder.write("show.vts", show.bytes());
    EXPECT_EQ(vtshow({"--codepage", "932", "check", folder.host("show.vts")}),
              "1|[ListSlide] " + w + "pics\\: 1 file, 0 missing\n"
              "[ListSlide] " + w + "写真\\: 1 file, 1 missing\n"
              "  slide 2, not mappable: " + w + "写真\\b.png\n"
              "[ListSlide] " + w + "表\\: 1 file, 1 missing\n"
              "  slide 3, not mappable: " + w + "表\\c.png\n"
              "3 files: 1 found, 0 missing, 2 not mappable\n|");
}

TEST_F(CodePageShows, TheTerminalGetsItsCharacterSetAndAListingFileTheCodePage) {
    writeShow(Families[1]);
    const std::string show = folder.host("show.vts");
    const std::string listing = "\r\n\t*** Slide Show Image and/or Movie Files\r\n\r\n" + w;
    EXPECT_EQ(vtshow({"--codepage", "1251", "list", "--sections", "slides", show}),
              "0|" + listing + "ФОТО\\Лето.png\r\n|");
    EXPECT_EQ(vtshow({"--codepage", "1251", "list", "--sections", "slides", "-o",
                      folder.host("list.txt"), show}),
              "0||");
    EXPECT_EQ(folder.read("list.txt"), listing + "\xd4\xce\xd2\xce\\\xcb\xe5\xf2\xee.png\r\n");

    cli::setTerminalCharset("KOI8-R");
    const std::string shown = vtshow({"--codepage", "1251", "folders", show});
    std::string typed; // typed in the terminal's character set, kept in the code page
    {
        const test::ScopedCodePage russian(1251);
        typed = cli::fromTerminal("\xe6\xef\xf4\xef");
    }
    cli::setTerminalCharset("UTF-8");
    EXPECT_EQ(shown, "0|[ListSlide]\n" + w + "\xe6\xef\xf4\xef\\\n[ListTexture]\n[ListSound]\n"
                     "[TextSound]\n\n|");
    EXPECT_EQ(typed, "\xd4\xce\xd2\xce");
}

} // namespace
} // namespace vt
