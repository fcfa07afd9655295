#include "TestSupport.h"

#include "common/CodePage.h"

#ifndef VT_GUI_TESTS
#include "cli/TerminalText.h"
#endif

#include <gtest/gtest.h>

#ifdef VT_GUI_TESTS
#include <QApplication>
#endif

int main(int argc, char** argv) {
    // Every test run gets its own empty home for settings, desktop and Wine
    // drives, so that no test reads or writes the user's own files.
    const vt::test::TempFolder home;
    ::setenv("HOME", home.host().substr(0, home.host().size() - 1).c_str(), 1);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "WINEPREFIX"})
        ::unsetenv(name); // each defaults to a folder in the home
    // Tests that want another code page set it; the user's locale never leaks in.
    vt::codepage::setActive(vt::codepage::Default);
#ifndef VT_GUI_TESTS
    vt::cli::setTerminalCharset("UTF-8");
#endif
    ::testing::InitGoogleTest(&argc, argv);
#ifdef VT_GUI_TESTS
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0); // unless the caller chose a platform
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
