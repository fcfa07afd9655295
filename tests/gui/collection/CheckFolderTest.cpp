#include "DialogTesting.h"
#include "FakeSeams.h"
#include "TestSupport.h"

#include "collection/frmCheckFolder.h"
#include "common/QtText.h"
#include "tests/gui/app/MainWindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <set>

namespace vt {
namespace {

using test::WhenShown;

// Shows that lost their pictures and music to a C: drive this machine lacks,
// in folders named in several scripts, one that is no show and one with a
// picture found nowhere.
class CheckFolder : public ::testing::Test {
  protected:
    CheckFolder() {
        for (const char* name : {"moved/Fotos Ñandú/a.jpg", "moved/Fotos Ñandú/b.jpg", "moved/Music/one.wav",
                                 "here/ok.jpg"})
            temp.write(name, "x");
        show("col/Café/Фото/trip.vts", {"C:\\Pics\\a.jpg", "C:\\Pics\\b.jpg"});
        show("col/lost.vts", {"C:\\Pics\\a.jpg", "C:\\Pics\\nowhere.jpg"});
        show("col/写真/ok.vts", {temp.win("here\\ok.jpg")});
        test::ShowFile songs;
        songs.soundMode = 3;
        songs.slides = {{temp.win("here\\ok.jpg"), "", "", "", ""}};
        songs.hasPlayList = true;
        songs.playList = {"C:\\Music\\one.wav"};
        temp.write("col/songs.vts", songs.bytes());
        temp.write("col/broken.vts", "not a show\r\n");
    }
    void show(const char* name, const std::vector<std::string>& pictures) {
        test::ShowFile file;
        for (const std::string& picture : pictures)
            file.slides.push_back({picture, "", "", "", ""});
        temp.write(name, file.bytes());
    }
    // Opens the window and waits until every show is read.
    void open(const std::string& folder) {
        window = new frmCheckFolder(folder, {prompter, dialogs, busy, help, [this](const std::string& path) {
                                                 opened.push_back(path);
                                             }});
        ASSERT_TRUE(test::showActive(*window));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window->reading(); }, 10000));
        QCoreApplication::processEvents();
    }
    template <typename T = QWidget> T* control(const char* name) { return test::control<T>(*window, name); }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    std::string text(const char* name) { return fromQString(control<QLabel>(name)->text()); }
    QTreeWidget* list() { return control<QTreeWidget>("ListShows"); }
    // The rows as shown: "name|slides|missing", a fixed one with a star.
    std::string rows() {
        std::string text;
        for (int i = 0; i < list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list()->topLevelItem(i);
            text += (item->font(0).bold() ? "*" : "") + fromQString(item->text(0)) + "|" +
                    fromQString(item->text(2)) + "|" + fromQString(item->text(3)) + ";";
        }
        return text;
    }
    QTreeWidgetItem* row(const char* name) {
        return list()->findItems(QString::fromUtf8(name), Qt::MatchExactly, 0).value(0);
    }
    // Selects only these shows and finds their files in `folders`, keeping what is found.
    void findAndApply(std::vector<const char*> shows, std::deque<std::optional<std::string>> folders) {
        list()->clearSelection();
        for (const char* name : shows)
            row(name)->setSelected(true);
        dialogs.folders = std::move(folders);
        WhenShown atPreview("frmFindMissing", [](QWidget& shown) {
            QTest::mouseClick(test::control<QPushButton>(shown, "CmdApply"), Qt::LeftButton);
        });
        click("CmdFindMissing");
        EXPECT_TRUE(atPreview.shown);
    }

    test::ScopedDriveMap drives{DriveMap({{'Z', ""}})};
    test::TempFolder temp;
    test::RecordingPrompter prompter;
    test::ScriptedFileDialogs dialogs;
    test::FakeBusyPointer busy;
    test::RecordingHelp help;
    std::vector<std::string> opened;
    frmCheckFolder* window = nullptr; // deletes itself when closed
};

TEST_F(CheckFolder, ListsEveryShowFindsTheirFilesOnceAndSavesThemWithBackups) {
    open(temp.host("col"));
    EXPECT_EQ(fromQString(window->windowTitle()), "Check Slide Shows in Folder");
    list()->sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(rows(), "broken.vts||could not be read;lost.vts|2|2;ok.vts|1|0;songs.vts|1|1;trip.vts|2|2;");
    EXPECT_EQ(row("trip.vts")->text(1), QString::fromUtf8("col/Café/Фото/"));
    EXPECT_EQ(text("lblTotal"), "Shows: 5    Slides: 6    Missing: 5    Could not be read: 1");
    EXPECT_FALSE(control("CmdSaveFixed")->isEnabled());
    EXPECT_FALSE(control("CmdCancel")->isEnabled());

    // Nothing selected: the user is told what to do.
    click("CmdFindMissing");
    EXPECT_EQ(prompter.texts().back(),
              "Select the slide shows whose missing files are to be found, then try again...");

    const std::string tripBytes = temp.read("col/Café/Фото/trip.vts"), songs = temp.read("col/songs.vts");
    findAndApply({"trip.vts", "songs.vts", "lost.vts"}, {temp.host("moved")});
    EXPECT_EQ(rows(), "broken.vts||could not be read;*lost.vts|2|1;ok.vts|1|0;*songs.vts|1|0;*trip.vts|2|0;");
    EXPECT_EQ(text("lblPending"), "Fixed, not saved yet: 3");
    EXPECT_EQ(temp.read("col/songs.vts"), songs); // nothing written yet

    // In place: each old show kept byte for byte beside the new one.
    prompter.messages.clear();
    click("CmdSaveFixed");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{
                                    "Slide shows saved: 3\r\n\r\nEach old slide show is kept beside it as "
                                    "NAME.vts.bak (NAME.vts.2.bak when that name is taken, and so on)."});
    EXPECT_EQ(temp.read("col/Café/Фото/trip.vts.bak"), tripBytes);
    EXPECT_EQ(temp.read("col/songs.vts.bak"), songs);
    EXPECT_NE(temp.read("col/songs.vts").find("moved\\Music\\one.wav"), std::string::npos);
    EXPECT_FALSE(temp.exists("col/写真/ok.vts.bak"));
    EXPECT_EQ(rows(), "broken.vts||could not be read;lost.vts|2|1;ok.vts|1|0;songs.vts|1|0;trip.vts|2|0;");
    EXPECT_FALSE(control("CmdSaveFixed")->isEnabled());

    // Double-click opens the show in the main window; F1 shows the window's help.
    const QPoint okRow = list()->visualItemRect(row("ok.vts")).center();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, okRow);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, okRow);
    EXPECT_EQ(opened, std::vector<std::string>{DriveMap::current().toWindowsFromUser(temp.host("col/写真/ok.vts"))});
    ASSERT_TRUE(test::showActive(*window)); // the dialogs took the focus away
    QTest::keyClick(list(), Qt::Key_F1);
    EXPECT_EQ(help.requests, std::vector<std::string>{"topic 520"});
    window->close();
}

TEST_F(CheckFolder, SavesIntoAnotherFolderAndCancelStopsTheReading) {
    open(temp.host("col"));
    row("ok.vts")->setSelected(true);
    click("CmdFindMissing");
    EXPECT_EQ(prompter.texts().back(), "Every file the selected slide shows need is where they say "
                                       "it is; there is nothing to find.");
    EXPECT_TRUE(dialogs.folderRequests.empty());

    // A show changed on the disk after the search is not written over.
    findAndApply({"lost.vts"}, {temp.host("moved")});
    show("col/lost.vts", {"C:\\Pics\\a.jpg", "C:\\Pics\\nowhere.jpg", "C:\\Pics\\new.jpg"});
    prompter.messages.clear();
    click("CmdSaveFixed");
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{
                                    "The slide show was changed on the disk after it was read, so "
                                    "it was not written:\r\n\r\n" + temp.win("col\\lost.vts"),
                                    "Slide shows saved: 0"}));
    EXPECT_FALSE(temp.exists("col/lost.vts.bak"));

    findAndApply({"trip.vts"}, {temp.host("moved"), temp.host("fixed")});
    control<QRadioButton>("OptionIntoFolder")->setChecked(true);
    click("CmdSaveFixed");
    EXPECT_EQ(prompter.texts().back(),
              "Slide shows saved: 1\r\n\r\nThey are in " + temp.win("fixed") + ".");
    EXPECT_TRUE(temp.exists("fixed/Café/Фото/trip.vts"));
    EXPECT_FALSE(temp.exists("col/Café/Фото/trip.vts.bak"));
    window->close();

    for (int i = 0; i < 300; ++i)
        show(("many/show" + std::to_string(i) + ".vts").c_str(), {"C:\\Pics\\a.jpg"});
    window = new frmCheckFolder(temp.host("many"), {prompter, dialogs, busy, help, {}});
    window->show();
    EXPECT_FALSE(control("CmdFindMissing")->isEnabled()); // not while the rows still come
    click("CmdCancel");
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->reading(); }, 10000));
    QCoreApplication::processEvents();
    EXPECT_TRUE(text("lblProgress").starts_with("Stopped; slide shows read: ")) << text("lblProgress");
    EXPECT_LT(list()->topLevelItemCount(), 300);
    EXPECT_TRUE(control("CmdFindMissing")->isEnabled());
    window->close();
}

class CheckFolderMenu : public test::MainWindowTest {};

TEST_F(CheckFolderMenu, TheFileMenuOpensTheWindowWithAnAccessKeyOfItsOwn) {
    build();
    auto* item = control<QAction>("mnuCheckFolder");
    EXPECT_EQ(fromQString(item->text()), "&Check Slide Shows in Folder...");
    std::set<QChar> keys; // no other item of the menu takes its key
    for (QAction* action : control<QMenu>("mnuFile")->actions())
        if (const qsizetype amp = action->text().indexOf(QLatin1Char('&')); amp >= 0) {
            EXPECT_TRUE(keys.insert(action->text().at(amp + 1).toUpper()).second) << fromQString(action->text());
        }
    dialogs.folders = {std::nullopt, temp.host()};
    item->trigger(); // cancelled: no window
    EXPECT_EQ(window->findChildren<frmCheckFolder*>().size(), 0);
    item->trigger();
    EXPECT_EQ(dialogs.folderRequests.back().title, "Check Slide Shows in Folder - Folder to Check");
    EXPECT_EQ(window->findChildren<frmCheckFolder*>().size(), 1);
}

} // namespace
} // namespace vt
