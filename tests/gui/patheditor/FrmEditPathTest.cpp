#include "DialogTesting.h"
#include "FakeSeams.h"
#include "ModelBuilder.h"
#include "TestSupport.h"

#include "patheditor/frmEditPath.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace vt {
namespace {

class EditPath : public ::testing::Test {
  protected:
    void SetUp() override {
        pointer.setHourglass(); // as the main window shows the dialog
        dialog = std::make_unique<frmEditPath>(*model, prompter, pointer, help, dialogs);
        ASSERT_TRUE(test::showActive(*dialog));
        QObject::connect(dialog.get(), &frmEditPath::filePathsSaved, [this] { ++saved; });
    }
    template <typename T> T* control(const char* name) { return test::control<T>(*dialog, name); }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    QString row(const char* list, int row) { return control<QListWidget>(list)->item(row)->text(); }

    std::unique_ptr<SlideShowModel> model =
        test::makeModel({{"C:\\Pics\\a.jpg", "C:\\Pics\\t.bmp", "5"},
                         {"C:\\Pics\\Holiday\\c.jpg", "", "C:\\Snd\\s.wav"}},
                        {"C:\\Pics\\p.wav"}, " C:\\Snd\\m.mid ");
    test::RecordingPrompter prompter;
    test::FakeBusyPointer pointer;
    test::RecordingHelp help;
    test::ScriptedFileDialogs dialogs;
    std::unique_ptr<frmEditPath> dialog;
    int saved = 0;
};

TEST_F(EditPath, OpensOnTheModelAndCancelWritesNothing) {
    EXPECT_TRUE(pointer.isDefault());
    EXPECT_EQ(row("ListSound", 1), "C:\\Pics\\"); // after the slides' sound folders
    EXPECT_EQ(control<QLineEdit>("TextSound")->text(), " C:\\Snd\\m.mid ");
    // Placed at the screen's DPI, no text gets cut.
    for (QWidget* w : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(qobject_cast<QListWidget*>(w) || w->width() >= w->sizeHint().width())
            << w->objectName().toStdString();
    click("CmdHelp");
    QTest::keyClick(control<QListWidget>("ListSound"), Qt::Key_F1);
    EXPECT_EQ(help.requests, (std::vector<std::string>{"topic 450", "topic 450"}));

    control<QLineEdit>("TextSound")->clear();
    pointer.setHourglass(); // another command is running: OK does nothing
    click("CmdOK");
    EXPECT_TRUE(dialog->isVisible());
    click("CmdCancel");
    EXPECT_EQ(saved, 0);
    EXPECT_EQ(model->MainSoundFile, " C:\\Snd\\m.mid ");
}

TEST_F(EditPath, ModifyWorksOnTheFocusedBoxAndOkWritesBack) {
    auto* slides = control<QListWidget>("ListSlide");
    prompter.typed = {"D:\\Holiday"};
    const QPoint at = slides->visualItemRect(slides->item(1)).center();
    QTest::mouseClick(slides->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(slides->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(row("ListSlide", 1), "D:\\Holiday\\");
    // The replaced row is no longer selected: Modify asks for one again.
    click("CmdModify");
    EXPECT_EQ(prompter.messages.size(), 1u);

    // The main sound box is a source too, its text selected as it gets the focus.
    auto* sound = control<QLineEdit>("TextSound");
    sound->setText("C:\\Pics\\");
    sound->setFocus();
    EXPECT_EQ(sound->selectedText(), "C:\\Pics\\");
    prompter.typed = {"F:\\"};
    click("CmdModify");
    EXPECT_EQ(row("ListSound", 1), "F:\\");

    // An emptied box clears the main sound file.
    sound->clear();
    click("CmdOK");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(model->MainSoundFile, "");
    EXPECT_EQ(model->slide(1).SlideFile, "D:\\Holiday\\c.jpg");
    EXPECT_FALSE(pointer.isDefault()); // until the main window sets it back
}

} // namespace
} // namespace vt
