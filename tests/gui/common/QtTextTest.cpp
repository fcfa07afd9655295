#include "common/QtText.h"

#include <gtest/gtest.h>

namespace vt {

TEST(QtText, CrossesBetweenWindows1252AndQt) {
    EXPECT_EQ(toQString("C:\\\xc9t\xe9 \x80"), QString::fromUtf8("C:\\\u00c9t\u00e9 \u20ac"));
    EXPECT_EQ(fromQString(QString::fromUtf8("\u00e9\u4e2d")), "\xe9?");
    EXPECT_EQ(toDisplayText("one\r\n\r\ntwo"), QStringLiteral("one\n\ntwo"));
}

} // namespace vt
