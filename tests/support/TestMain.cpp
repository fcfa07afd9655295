#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#ifdef VT_GUI_TESTS
#include <QApplication>
#endif

// Every test run gets its own empty home for settings, desktop and Wine
// drives, so that no test reads or writes the user's own files.
static void useEmptyHome() {
    std::string home = (std::filesystem::temp_directory_path() / "vtutil-home-XXXXXX").string();
    if (!::mkdtemp(home.data()))
        return;
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
    ::setenv("WINEPREFIX", (home + "/.wine").c_str(), 1);
}

int main(int argc, char** argv) {
    useEmptyHome();
    ::testing::InitGoogleTest(&argc, argv);
#ifdef VT_GUI_TESTS
    if (!std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
