#include "tests/gui/app/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace vt::test {
namespace {

class PackMenu : public MainWindowTest {
  protected:
    QAction* item() const { return control<QAction>("mnuPackSS"); }
    // Opens first.vts and appends second.vts, as the user would.
    void openShows(const std::vector<std::string>& first, const std::vector<std::string>& second) {
        const auto write = [&](const char* name, const std::vector<std::string>& files) {
            ShowFile show;
            for (const std::string& file : files)
                show.slides.push_back({file, "", "", "", ""});
            temp.write(name, show.bytes());
        };
        write("first.vts", first);
        write("second.vts", second);
        pickAndClick(temp.win("first.vts"), "CmdOpenSS");
        pickAndClick(temp.win("second.vts"), "CmdAppendSS");
    }
};

TEST_F(PackMenu, PacksTheOpenedAndAppendedShowsIntoTheChosenFolder) {
    build();
    EXPECT_EQ(fromQString(item()->text()), "&Pack Slide Show...");
    EXPECT_FALSE(item()->isEnabled());
    temp.write("pics/a.jpg", "aaaa");
    temp.write("pics/b.jpg", "bb");
    openShows({temp.win("pics\\a.jpg")}, {temp.win("pics\\b.jpg"), temp.win("pics\\gone.jpg")});
    EXPECT_TRUE(item()->isEnabled());

    dialogs.folders = {std::nullopt, temp.host("stick/Show")};
    item()->trigger(); // cancelled: nothing happens
    item()->trigger();
    const FolderDialogRequest& asked = dialogs.folderRequests.back();
    EXPECT_EQ(asked.title + "|" + asked.initialFolder,
              "Select the folder to pack the slide show into|" + temp.host());
    const std::string summary =
        "The slide show has been packed into " + temp.win("stick\\Show\\") +
        " as first.vts.\r\n\r\nFiles copied: 2 (6 bytes)\r\nFiles missing: 1\r\nNames changed: "
        "0\r\n\r\nThese files were not found; their slides keep the old paths:\r\n" +
        temp.win("pics\\gone.jpg");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{summary});
    EXPECT_EQ(temp.read("stick/Show/pics/b.jpg"), "bb");
    EXPECT_TRUE(temp.exists("stick/Show/first.vts"));
    EXPECT_FALSE(busy.hourglass);
}

TEST_F(PackMenu, CancelStopsTheCopyAndLeavesNothingBehind) {
    build();
    std::vector<std::string> pictures;
    const std::string bytes(std::size_t{6} << 20, 'x');
    for (int i = 0; i < 40; ++i) {
        const std::string name = "big/p" + std::to_string(i) + ".jpg";
        temp.write(name, bytes);
        pictures.push_back(temp.win(name));
    }
    openShows(pictures, {});
    dialogs.folders = {temp.host("stick/Show")};
    std::string shown;
    QTimer::singleShot(0, [&] {
        QWidget* progress = QApplication::activeModalWidget();
        ASSERT_TRUE(progress);
        shown = progress->objectName().toStdString() + " " +
                fromQString(test::control<QLabel>(*progress, "lblPackFiles")->text()) + " " +
                fromQString(test::control<QLabel>(*progress, "lblPackBytes")->text()).substr(0, 6);
        QTest::mouseClick(test::control<QAbstractButton>(*progress, "CmdPackCancel"),
                          Qt::LeftButton);
    });
    item()->trigger();
    EXPECT_EQ(shown, "PackProgress Files: 0 of 40 Size: ");
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Packing was cancelled. Everything it had written has been "
                                       "removed."});
    EXPECT_FALSE(temp.exists("stick"));
}

} // namespace
} // namespace vt::test
