#include "TestSupport.h"

#include "common/CodePage.h"
#include "common/PathText.h"

#include <gtest/gtest.h>
#include <numeric>

namespace vt {
namespace {

constexpr int SingleByte[] = {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};

// Coming back whole also means no two bytes share a character and none turns into '?'.
TEST(CodePage, EveryByteOfEverySingleByteTableComesBack) {
    std::string all(255, '\0');
    std::iota(all.begin(), all.end(), '\x01');
    for (int number : SingleByte)
        EXPECT_EQ(codepage::fromUtf8(codepage::toUtf8(all, number), number), all) << number;
}

TEST(CodePage, SameNamesInEachFamilyAsTheirSystemsWriteThem) {
    struct Case {
        int number;
        const char* bytes;
        const char* utf8;
    };
    for (const Case& c : {Case{1251, "\xd4\xee\xf2\xee\\\xeb\xe5\xf2\xee", "Фото\\лето"},
                          Case{1250, "Zdj\xea" "cia\\\xb3\xf3" "d\x9f", "Zdjęcia\\łódź"},
                          Case{1253, "\xc8\xdc\xeb\xe1\xf3\xf3\xe1", "Θάλασσα"},
                          Case{1254, "\xdd\x73\x74\x61nbul \xfe\xf0", "İstanbul şğ"},
                          Case{1255, "\xf9\xec\xe5\xed", "שלום"},
                          Case{1256, "\xd5\xe6\xd1", "صور"},
                          Case{1257, "\xd0iauliai \xfe\xeb", "Šiauliai žė"},
                          Case{1258, "Vi\xea\xf2t", "Vi\u00ea\u0323t"},
                          Case{874, "\xc0\xd2\xbe", "ภาพ"},
                          Case{1252, "Caf\xe9 \x80", "Café €"}}) {
        EXPECT_EQ(codepage::toUtf8(c.bytes, c.number), c.utf8) << c.number;
        EXPECT_EQ(codepage::fromUtf8(c.utf8, c.number), c.bytes) << c.number;
    }
    // A Vietnamese letter as a Linux name holds it, composed, is written as
    // 1258 writes it: base letter and tone mark.
    EXPECT_EQ(codepage::fromUtf8("Vi\u1ec7t \u1ea2nh", 1258), "Vi\xea\xf2t A\xd2nh");
    // A character the code page lacks, a broken byte and an overlong sequence become '?'.
    EXPECT_EQ(codepage::fromUtf8("Фото 写真 \xff \xc0\xaf", 1250), "???? ?? ? ?");
}

TEST(CodePage, DoubleByteCodePagesConvertThroughTheSystem) {
    EXPECT_EQ(codepage::toUtf8("\x95\x5c\\\x8e\xca\x90\x5e", 932), "表\\写真");
    EXPECT_EQ(codepage::fromUtf8("表\\写真", 932), "\x95\x5c\\\x8e\xca\x90\x5e");
    EXPECT_EQ(codepage::toUtf8("\xd5\xd5\xc6\xac", 936), "照片");
    EXPECT_EQ(codepage::toUtf8("\xbb\xe7\xc1\xf8", 949), "사진");
    EXPECT_EQ(codepage::toUtf8("\xb7\xd3\xa4\xf9", 950), "照片");
    EXPECT_EQ(codepage::fromUtf8("a\xff\xd0\x96", 932), "a?\x84\x47"); // broken byte, Ж
    EXPECT_EQ(codepage::toUtf8("a\x81", 932), "a?");                    // a lead byte alone
}

TEST(CodePage, LocalesMapToTheCodePageWineGivesThem) {
    std::string shown;
    for (const char* locale :
         {"ru_RU.UTF-8", "uk_UA", "sr_RS", "sr_RS@latin", "pl_PL.UTF-8", "cs_CZ", "hu_HU",
          "el_GR.UTF-8", "tr_TR", "az_AZ", "he_IL", "ar_EG.UTF-8", "fa_IR", "lt_LT", "et_EE",
          "vi_VN", "th_TH.UTF-8", "ja_JP.UTF-8", "zh_CN.GB18030", "zh_SG", "zh_TW.UTF-8", "zh_HK",
          "ko_KR.EUC-KR", "de_DE.UTF-8", "en_US", "C", "POSIX", "C.UTF-8", ""})
        shown += std::to_string(codepage::forLocale(locale)) + " ";
    EXPECT_EQ(shown, "1251 1251 1251 1250 1250 1250 1250 1253 1254 1254 1255 1256 1256 1257 1257 "
                     "1258 874 932 936 936 950 950 949 1252 1252 1252 1252 1252 1252 ");

    const test::ScopedEnvironment all("LC_ALL", ""), type("LC_CTYPE", "el_GR.UTF-8"),
        lang("LANG", "ru_RU.UTF-8");
    EXPECT_EQ(codepage::fromEnvironment(), 1253); // an empty LC_ALL counts as not set
    const test::ScopedEnvironment polish("LC_ALL", "pl_PL.UTF-8");
    EXPECT_EQ(codepage::fromEnvironment(), 1250);
}

TEST(CodePage, LetterCaseIsTheActiveCodePagesOwn) {
    const struct {
        int number;
        const char *lower, *upper;
    } cases[] = {
        {1251, "\xf4\xee\xf2\xee \xb8\xe6\xff", "\xd4\xce\xd2\xce \xa8\xc6\xdf"}, // фото ёжя
        // Dotless ı has no ASCII capital here: ASCII letters keep their own rule.
        {1254, "i\xfd\xfe", "I\xfd\xde"},
        {1253, "\xf2\xf3\xdc", "\xd3\xd3\xa2"}, // ς σ ά
        // Only ASCII folds: a trail byte such as 'a' (0x61) is a byte of a character.
        {932, "ab\x82\xa0", "AB\x82\xa0"},
    };
    for (const auto& c : cases) {
        const test::ScopedCodePage active(c.number);
        EXPECT_EQ(upperCase(c.lower), c.upper) << c.number;
        EXPECT_TRUE(equalsIgnoringCase(c.lower, c.upper)) << c.number;
    }
}

} // namespace
} // namespace vt
