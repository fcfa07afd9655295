#include "common/Numbers.h"
#include "common/PathText.h"

#include <gtest/gtest.h>
#include <vector>

namespace vt {

TEST(Numbers, ReadRoundedAndShownTheViewersWay) {
    std::vector<double> values;
    for (const char* text : {"42", "  -7  ", "+3", "12.5", ".5", "5.", "1e3", "2E-1", "\t9\t"})
        values.push_back(parseNumber(text).value_or(-1));
    EXPECT_EQ(values, (std::vector<double>{42, -7, 3, 12.5, 0.5, 5, 1000, 0.2, 9}));
    for (const char* text :
         {"", " ", "abc", "1 2", "1e", ".", "-", "+-1", "0x10", "1,000", "5a", "nan", "inf", "1e+"})
        EXPECT_FALSE(isNumber(text)) << text;

    using Int16 = std::optional<std::int16_t>;
    std::vector<Int16> rounded;
    for (double value :
         {12.5, 13.5, -2.5, 32767.4, 32767.5, -32768.0, -32769.0, *parseNumber("1e-999")})
        rounded.push_back(toInt16(value));
    EXPECT_EQ(rounded, (std::vector<Int16>{12, 14, -2, 32767, {}, -32768, {}, 0}));
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_EQ(toInt32(2147483648.0), std::nullopt);
    EXPECT_EQ(toInt32(*parseNumber("1e999")), std::nullopt);

    std::string shown;
    for (int count : {0, 1, 2, 100, 1000, 1250, 30000, 1234567})
        shown += formatCount(count) + "/" + slideCountCaption(count) + "|";
    EXPECT_EQ(shown, "/Zero slides|1/One slide|2/2 slides|100/100 slides|1,000/1,000 slides|"
                     "1,250/1,250 slides|30,000/30,000 slides|1,234,567/1,234,567 slides|");
}

TEST(PathText, SplitsAtTheLastBackslashAndIgnoresCaseTheWindows1252Way) {
    std::string parts;
    for (const char* path : {"C:\\Pics\\a.jpg", "a.jpg", "C:\\Shows\\"})
        parts += std::string(folderPart(path)) + "|" + std::string(fileNamePart(path)) + "|";
    EXPECT_EQ(parts, "C:\\Pics\\|a.jpg||a.jpg|C:\\Shows\\||");
    EXPECT_EQ(withTrailingBackslash("C:\\A") + withTrailingBackslash("C:\\A\\"), "C:\\A\\C:\\A\\");

    EXPECT_EQ(upperCase("c:\\pics\\\xe9t\xe9 \x9a\xff\xf7"), "C:\\PICS\\\xc9T\xc9 \x8a\x9f\xf7");
    EXPECT_TRUE(equalsIgnoringCase("C:\\Pics\\", "c:\\PICS\\"));
    EXPECT_FALSE(equalsIgnoringCase("C:\\Pics", "C:\\Pics\\"));
    EXPECT_TRUE(startsWithIgnoringCase("c:\\pics\\b.jpg", "C:\\Pics\\"));
    EXPECT_FALSE(startsWithIgnoringCase("C:\\Pi", "C:\\Pics\\"));
}

} // namespace vt
