#include "companions/HelpFolder.h"

#include "TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vt {
namespace {

namespace fs = std::filesystem;

class HelpFolderTest : public ::testing::Test {
protected:
    void TearDown() override { fs::current_path(m_before); }

    test::TempFolder m_temp;

private:
    fs::path m_before = fs::current_path();
};

TEST_F(HelpFolderTest, ProgramFolderBecomesCurrentUnlessItsDriveIsUnknown) {
    m_temp.write("Program Files/Vantora/VTUtil.HLP", "");
    setHelpFolder(m_temp.win("Program Files\\Vantora\\"));
    EXPECT_EQ(fs::current_path(), fs::canonical(m_temp.host("Program Files/Vantora")));

    // No Wine drive C: in the test home: nothing changes.
    const fs::path before = fs::current_path();
    setHelpFolder("C:\\Program Files\\Vantora\\");
    EXPECT_EQ(fs::current_path(), before);
    setHelpFolder("\\\\server\\share\\");
    EXPECT_EQ(fs::current_path(), before);
}

} // namespace
} // namespace vt
