#include "common/Cp1252.h"
#include "common/Numbers.h"
#include "common/PathText.h"

#include <gtest/gtest.h>

namespace vt {

TEST(Numbers, ReadsTheViewersNumberForms) {
    EXPECT_EQ(parseNumber("42"), 42.0);
    EXPECT_EQ(parseNumber("  -7  "), -7.0);
    EXPECT_EQ(parseNumber("+3"), 3.0);
    EXPECT_EQ(parseNumber("12.5"), 12.5);
    EXPECT_EQ(parseNumber(".5"), 0.5);
    EXPECT_EQ(parseNumber("5."), 5.0);
    EXPECT_EQ(parseNumber("1e3"), 1000.0);
    EXPECT_EQ(parseNumber("2E-1"), 0.2);
    EXPECT_EQ(parseNumber("\t9\t"), 9.0);
    for (const char* text : {"", " ", "abc", "1 2", "1e", ".", "-", "+-1", "0x10", "1,000", "5a",
                             "nan", "inf", "1e+"})
        EXPECT_FALSE(isNumber(text)) << text;
}

TEST(Numbers, RoundHalfToEvenAndRefuseWhatDoesNotFit) {
    EXPECT_EQ(toInt16(12.5), 12);
    EXPECT_EQ(toInt16(13.5), 14);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(32767.5), std::nullopt);
    EXPECT_EQ(toInt16(-32768.0), -32768);
    EXPECT_EQ(toInt16(-32769.0), std::nullopt);
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_EQ(toInt32(2147483648.0), std::nullopt);
    EXPECT_EQ(toInt32(*parseNumber("1e999")), std::nullopt);
    EXPECT_EQ(toInt16(*parseNumber("1e-999")), 0);
}

TEST(Numbers, CountsAreGroupedAndCaptioned) {
    EXPECT_EQ(formatCount(0), "");
    EXPECT_EQ(formatCount(100), "100");
    EXPECT_EQ(formatCount(1000), "1,000");
    EXPECT_EQ(formatCount(30000), "30,000");
    EXPECT_EQ(formatCount(1234567), "1,234,567");
    EXPECT_EQ(slideCountCaption(0), "Zero slides");
    EXPECT_EQ(slideCountCaption(1), "One slide");
    EXPECT_EQ(slideCountCaption(2), "2 slides");
    EXPECT_EQ(slideCountCaption(1250), "1,250 slides");
}

TEST(PathText, SplitsAtTheLastBackslash) {
    EXPECT_EQ(folderPart("C:\\Pics\\a.jpg"), "C:\\Pics\\");
    EXPECT_EQ(fileNamePart("C:\\Pics\\a.jpg"), "a.jpg");
    EXPECT_EQ(folderPart("a.jpg"), "");
    EXPECT_EQ(fileNamePart("a.jpg"), "a.jpg");
    EXPECT_EQ(folderPart("C:\\Shows\\"), "C:\\Shows\\");
    EXPECT_EQ(fileNamePart("C:\\Shows\\"), "");
    EXPECT_TRUE(isAbsolute("C:x"));
    EXPECT_TRUE(isAbsolute("pics:a"));
    EXPECT_FALSE(isAbsolute("\\\\server\\share\\a.jpg"));
    EXPECT_EQ(withTrailingBackslash("C:\\A"), "C:\\A\\");
    EXPECT_EQ(withTrailingBackslash("C:\\A\\"), "C:\\A\\");
}

TEST(PathText, CaseIsIgnoredTheWindows1252Way) {
    EXPECT_EQ(upperCase("c:\\pics\\\xe9t\xe9 \x9a\xff\xf7"), "C:\\PICS\\\xc9T\xc9 \x8a\x9f\xf7");
    EXPECT_TRUE(equalsIgnoringCase("C:\\Pics\\", "c:\\PICS\\"));
    EXPECT_FALSE(equalsIgnoringCase("C:\\Pics", "C:\\Pics\\"));
    EXPECT_TRUE(startsWithIgnoringCase("c:\\pics\\b.jpg", "C:\\Pics\\"));
    EXPECT_FALSE(startsWithIgnoringCase("C:\\Pi", "C:\\Pics\\"));
}

TEST(Cp1252, ConvertsBothWays) {
    const std::string all = [] {
        std::string s;
        for (int c = 1; c < 256; ++c)
            s += static_cast<char>(c);
        return s;
    }();
    EXPECT_EQ(cp1252::fromUtf8(cp1252::toUtf8(all)), all);
    EXPECT_EQ(cp1252::toUtf8("\x80 \xe9"), "\u20ac \u00e9");
    EXPECT_EQ(cp1252::fromUtf8("\u20ac\u00e9\u4e2d"), "\x80\xe9?");
    EXPECT_EQ(cp1252::fromUtf8("a\xff" "b\xc0\xaf"), "a?b?"); // a broken byte, an overlong sequence
}

} // namespace vt
