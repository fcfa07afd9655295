#include "DialogTesting.h"
#include "FakeSeams.h"
#include "ModelBuilder.h"
#include "TestSupport.h"

#include "common/QtText.h"
#include "patheditor/frmEditPath.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <filesystem>

namespace vt {
namespace {

using test::WhenShown;

// "[x] old | new | found | still missing"; a choice as "new (of 2)".
std::string rowText(QTreeWidgetItem* item) {
    std::string text = item->checkState(0) == Qt::Checked ? "[x] " : "[ ] ";
    text += fromQString(item->text(0)) + " | ";
    if (auto* choice = qobject_cast<QComboBox*>(item->treeWidget()->itemWidget(item, 1)))
        text +=
            fromQString(choice->currentText()) + " (of " + std::to_string(choice->count()) + ")";
    else
        text += fromQString(item->text(1));
    return text + " | " + fromQString(item->text(2)) + " | " + fromQString(item->text(3));
}

// The path editor on a show whose pictures were on a C: drive this machine
// does not have, and whose sounds moved inside the host tree. Under new/ are
// the files as they are now: one in another letter case, two in two folders
// equally well, one alone in a folder of its own; gone.jpg and m.mid are nowhere.
class PathEditor : public ::testing::Test {
  protected:
    PathEditor() {
        for (const char* name :
             {"here/t.bmp", "here/s.wav", "new/Pics/Beach/a.jpg", "new/Pics/Beach/b.JPG",
              "new/One/x.jpg", "new/One/y.jpg", "new/Two/x.jpg", "new/Two/y.jpg", "new/Other/c.jpg",
              "new/Sounds/p.wav"})
            temp.write(name, "x");
        std::filesystem::create_directory_symlink("..", temp.host("new/Pics/up"));
        model = test::makeModel({{"C:\\Pics\\Beach\\a.jpg", temp.win("here\\t.bmp"), "5"},
                                 {"C:\\Pics\\Beach\\B.jpg", "", temp.win("here\\s.wav")},
                                 {"C:\\Pics\\Beach\\gone.jpg", "C:\\Tex\\gone.bmp", ""},
                                 {"C:\\Trip\\x.jpg", "", ""},
                                 {"C:\\Trip\\y.jpg", "", ""},
                                 {"C:\\Pics\\Beach\\c.jpg", "", ""}},
                                {temp.win("old\\p.wav")}, temp.win("old\\m.mid"));
    }
    void open() {
        pointer.setHourglass(); // as the main window shows the dialog
        dialog = std::make_unique<frmEditPath>(*model, prompter, pointer, help, dialogs);
        ASSERT_TRUE(test::showActive(*dialog));
        QObject::connect(dialog.get(), &frmEditPath::filePathsSaved, [this] { ++saved; });
    }
    template <typename T> T* control(const char* name) { return test::control<T>(*dialog, name); }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    QListWidgetItem* item(const char* list, int row) {
        return control<QListWidget>(list)->item(row);
    }
    // The rows, a marked one (with its counts as tooltip) as "*row".
    std::string rows(const char* list) {
        std::string text;
        for (int row = 0; row < control<QListWidget>(list)->count(); ++row)
            text += (item(list, row)->toolTip().isEmpty() ? "" : "*") +
                    fromQString(item(list, row)->text()) + ";";
        return text;
    }
    std::string totals() { return fromQString(control<QLabel>("lblFileTotals")->text()); }

    test::TempFolder temp;
    test::ScopedDriveMap drives{DriveMap({{'Z', ""}})};
    std::unique_ptr<SlideShowModel> model;
    test::RecordingPrompter prompter;
    test::FakeBusyPointer pointer;
    test::RecordingHelp help;
    test::ScriptedFileDialogs dialogs;
    std::unique_ptr<frmEditPath> dialog;
    int saved = 0;
};
class FindMissing : public PathEditor {};

TEST_F(PathEditor, ModifyWorksOnTheFocusedBoxAndOkWritesBack) {
    open();
    auto* slides = control<QListWidget>("ListSlide");
    prompter.typed = {"D:\\Holiday"};
    const QPoint at = slides->visualItemRect(slides->item(1)).center();
    QTest::mouseClick(slides->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(slides->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(item("ListSlide", 1)->text(), "D:\\Holiday\\");

    // The main sound box is a source too.
    auto* sound = control<QLineEdit>("TextSound");
    sound->setText(toQString(temp.win("old\\")));
    sound->setFocus();
    prompter.typed = {"F:\\"};
    click("CmdModify");
    EXPECT_EQ(item("ListSound", 1)->text(), "F:\\");

    // An emptied box clears the main sound file.
    sound->clear();
    click("CmdOK");
    EXPECT_TRUE(dialog->result() == QDialog::Accepted && saved == 1);
    EXPECT_EQ(model->MainSoundFile + "|" + model->playList(0), "|F:\\p.wav");
    EXPECT_EQ(model->slide(3).SlideFile, "D:\\Holiday\\x.jpg");
    EXPECT_FALSE(pointer.isDefault()); // until the main window sets it back
}

TEST_F(FindMissing, MarksTheRowsSearchesAndAppliesWhatTheUserKeeps) {
    open();
    const std::string here = temp.win("here\\"), old = temp.win("old\\"), now = temp.win("new\\");
    // Texts unchanged, a mark on the rows with missing files.
    EXPECT_EQ(rows("ListSlide"), "*C:\\Pics\\Beach\\;*C:\\Trip\\;");
    EXPECT_EQ(rows("ListTexture"), here + ";*C:\\Tex\\;");
    EXPECT_EQ(rows("ListSound"), here + ";*" + old + ";");
    auto* soundMark = control<QAction>("TextSoundMark");
    EXPECT_EQ(soundMark->isVisible() ? fromQString(soundMark->toolTip()) : "",
              "Files: 1    Missing: 1\n" + temp.win("old\\m.mid"));
    EXPECT_EQ(totals(), "Files: 11    Missing: 2    Not mappable: 7");

    dialogs.folders = {temp.host("new")};
    std::vector<std::string> preview;
    WhenShown atPreview("frmFindMissing", [&](QWidget& shown) {
        auto* list = test::control<QTreeWidget>(shown, "ListProposals");
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            preview.push_back(rowText(list->topLevelItem(row)));
        for (const char* label : {"lblFound", "lblSearched"})
            preview.push_back(fromQString(test::control<QLabel>(shown, label)->text()));
        // The tie: picking one of its folders ticks the row, so it is applied.
        auto* choice = qobject_cast<QComboBox*>(list->itemWidget(list->topLevelItem(1), 1));
        ASSERT_TRUE(choice);
        const int two = choice->findText(toQString(now + "Two\\"));
        choice->setCurrentIndex(two);
        emit choice->activated(two);
        QTest::mouseClick(test::control<QPushButton>(shown, "CmdApply"), Qt::LeftButton);
    });
    click("CmdFindMissing");
    ASSERT_TRUE(atPreview.shown);
    EXPECT_EQ(dialogs.folderRequests.at(0).title, "Find Missing Files - Folder to Search");
    EXPECT_EQ(preview, (std::vector<std::string>{
                           "[x] C:\\Pics\\Beach\\ | " + now + "Pics\\Beach\\ (of 2) | 3 | 1",
                           "[ ] C:\\Trip\\ | " + now + "One\\ (of 2) | 0 | 2",
                           "[ ] C:\\Tex\\ | (not found) | 0 | 1",
                           "[x] " + old + " | " + now + "Sounds\\ | 1 | 0",
                           "[x] C:\\Pics\\Beach\\c.jpg | " + now + "Other\\c.jpg |  | ",
                           "Found: 4    Still missing: 5",
                           "Searched: " + temp.host("new") +
                               "    Files: 8    Folders: 7    Link loops skipped: 1"}));
    EXPECT_TRUE(prompter.messages.empty());

    // The rows are rewritten as Modify would, a single file's new folder is
    // added; only the row of what is really gone stays marked.
    EXPECT_EQ(rows("ListSlide"), "*" + now + "Pics\\Beach\\;" + now + "Two\\;" + now + "Other\\;");
    EXPECT_EQ(totals(), "Files: 11    Missing: 2    Not mappable: 1");
    EXPECT_EQ(model->slide(0).SlideFile, "C:\\Pics\\Beach\\a.jpg"); // not before OK

    click("CmdOK");
    EXPECT_EQ(model->slide(1).SlideFile + "|" + model->slide(4).SlideFile + "|" +
                  model->slide(5).SlideFile + "|" + model->playList(0) + "|" + model->MainSoundFile,
              now + "Pics\\Beach\\B.jpg|" + now + "Two\\y.jpg|" + now + "Other\\c.jpg|" + now +
                  "Sounds\\p.wav|" + old + "m.mid");
}

TEST_F(FindMissing, SaysWhenThereIsNothingToFindOrNowhereToSearch) {
    model = test::makeModel({{temp.win("here\\t.bmp"), "", "5"}}, {}, temp.win("here\\s.wav"));
    open();
    EXPECT_EQ(totals(), "Files: 2    Missing: 0    Not mappable: 0");
    EXPECT_FALSE(control<QAction>("TextSoundMark")->isVisible());
    click("CmdFindMissing");
    EXPECT_TRUE(dialogs.folderRequests.empty());

    // Typing a missing main sound file marks its box once the typing ends.
    auto* sound = control<QLineEdit>("TextSound");
    sound->setText(toQString(temp.win("here\\gone.mid")));
    emit sound->editingFinished();
    EXPECT_TRUE(control<QAction>("TextSoundMark")->isVisible());

    dialogs.folders = {temp.host("nowhere"), std::nullopt};
    click("CmdFindMissing");
    click("CmdFindMissing"); // the folder dialog cancelled: nothing more
    dialogs.folders = {temp.host("here")};
    click("CmdFindMissing");
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "Every file this slide show needs is where the slide show says it is; there "
                  "is nothing to find.",
                  "The folder to search does not exist:\r\n\r\n" + temp.host("nowhere") +
                      "\r\n\r\nChoose another folder and then try again...",
                  "None of the missing files was found.\r\n\r\nSearched: " + temp.host("here") +
                      "    Files: 2    Folders: 1\r\n\r\nSearch another folder, or change the "
                      "paths with Modify Selected Path."}));
}

// The rows show the show's own alphabet, and the marks follow its code page:
// a Russian show finds its files whatever their letter case; under Japanese
// a path that is not plain ASCII is not mappable.
TEST_F(FindMissing, RowsAndMarksFollowTheCodePage) {
    temp.write("фото/лето.jpg", "x");
    temp.write("写真/a.jpg", "x");
    const QString top = QString::fromStdString(temp.win());
    {
        const test::ScopedCodePage russian(1251);
        model = test::makeModel({{temp.win("\xd4\xce\xd2\xce\\\xcb\xe5\xf2\xee.jpg"), "", ""}});
        open();
        EXPECT_EQ(item("ListSlide", 0)->text() + item("ListSlide", 0)->toolTip(),
                  top + QString::fromUtf8("ФОТО\\"));
        dialog.reset();
    }
    const test::ScopedCodePage japanese(932);
    model = test::makeModel({{temp.win("\x8e\xca\x90\x5e\\a.jpg"), "", ""}});
    open();
    EXPECT_EQ(item("ListSlide", 0)->text(), top + QString::fromUtf8("写真\\"));
    EXPECT_EQ(item("ListSlide", 0)->toolTip(), "Files: 1    Missing: 0    Not mappable: 1\n" + top +
                                                   QString::fromUtf8("写真\\a.jpg"));
}

} // namespace
} // namespace vt
