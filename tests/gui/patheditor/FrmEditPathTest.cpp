#include "DialogTesting.h"
#include "FakeSeams.h"
#include "ModelBuilder.h"
#include "TestSupport.h"

#include "patheditor/frmEditPath.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace vt {
namespace {

QStringList rows(const QListWidget* list) {
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

class EditPath : public ::testing::Test {
  protected:
    void open() {
        pointer.setHourglass(); // as the main window shows the dialog
        dialog = std::make_unique<frmEditPath>(*model, prompter, pointer, help);
        ASSERT_TRUE(test::showActive(*dialog));
        saved = std::make_unique<QSignalSpy>(dialog.get(), &frmEditPath::filePathsSaved);
    }
    template <typename T> T* control(const char* name) { return test::control<T>(*dialog, name); }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    void doubleClickRow(const char* listName, int row) {
        auto* list = control<QListWidget>(listName);
        const QPoint at = list->visualItemRect(list->item(row)).center();
        list->setFocus();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    std::unique_ptr<SlideShowModel> model =
        test::makeModel({{"C:\\Pics\\a.jpg", "C:\\Pics\\t.bmp", "5"},
                         {"C:\\Pics\\Holiday\\c.jpg", "", "C:\\Snd\\s.wav"}},
                        {"C:\\Pics\\p.wav"}, " C:\\Snd\\m.mid ");
    test::RecordingPrompter prompter;
    test::FakeBusyPointer pointer;
    test::RecordingHelp help;
    std::unique_ptr<frmEditPath> dialog;
    std::unique_ptr<QSignalSpy> saved;
};

TEST_F(EditPath, OpensOnTheModelsFoldersWithItsControlsInPlace) {
    open();
    EXPECT_TRUE(pointer.isDefault());
    EXPECT_EQ(rows(control<QListWidget>("ListSound")), (QStringList{"C:\\Snd\\", "C:\\Pics\\"}));
    EXPECT_EQ(control<QLineEdit>("TextSound")->text(), " C:\\Snd\\m.mid ");

    // Positions are the twips at the screen's DPI; a text never gets cut.
    const double pixelsPerTwip = dialog->logicalDpiX() / 1440.0;
    EXPECT_NEAR(control<QPushButton>("CmdModify")->x(), 1920 * pixelsPerTwip, 1);
    EXPECT_NEAR(control<QListWidget>("ListSlide")->width(), 7455 * pixelsPerTwip, 1);
    for (QWidget* w : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!qobject_cast<QListWidget*>(w)) {
            EXPECT_GE(w->width(), w->sizeHint().width()) << w->objectName().toStdString();
        }
    }
    QStringList tabOrder;
    for (QWidget* w = control<QPushButton>("CmdCancel"); tabOrder.size() < 8;
         w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            tabOrder << w->objectName();
    }
    EXPECT_EQ(tabOrder, (QStringList{"CmdCancel", "CmdOK", "ListSlide", "ListTexture", "ListSound",
                                     "TextSound", "CmdHelp", "CmdModify"}));
}

TEST_F(EditPath, DoubleClickModifiesTheRowsAndOkWritesBack) {
    open();
    prompter.typed = {"D:\\Images"};
    doubleClickRow("ListSlide", 0);
    ASSERT_EQ(prompter.inputs.size(), 1u);
    EXPECT_EQ(prompter.inputs[0].initial, "C:\\Pics\\");
    EXPECT_EQ(rows(control<QListWidget>("ListSlide")),
              (QStringList{"D:\\Images\\", "C:\\Pics\\Holiday\\"}));
    EXPECT_EQ(rows(control<QListWidget>("ListSound")), (QStringList{"C:\\Snd\\", "D:\\Images\\"}));

    // The replaced row is no longer selected: Modify asks for one again.
    click("CmdModify");
    EXPECT_EQ(
        prompter.texts(),
        std::vector<std::string>{"Select the path you would like to edit and then try again..."});
    EXPECT_EQ(model->slide(0).SlideFile, "C:\\Pics\\a.jpg");

    click("CmdOK");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(saved->count(), 1);
    EXPECT_EQ(model->slide(0).SlideFile, "D:\\Images\\a.jpg");
    EXPECT_EQ(model->playList(0), "D:\\Images\\p.wav");
    EXPECT_EQ(model->MainSoundFile, "C:\\Snd\\m.mid");
    EXPECT_FALSE(pointer.isDefault()); // until the main window sets it back
}

TEST_F(EditPath, CancelAndEscapeDiscardEveryChange) {
    for (bool escape : {false, true}) {
        open();
        prompter.typed = {"E:\\"};
        doubleClickRow("ListTexture", 0);
        control<QLineEdit>("TextSound")->clear();
        if (escape)
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        else
            click("CmdCancel");
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(saved->count(), 0);
        EXPECT_EQ(model->slide(0).SlideFile, "C:\\Pics\\a.jpg");
        EXPECT_EQ(model->MainSoundFile, " C:\\Snd\\m.mid ");
    }
    EXPECT_EQ(prompter.inputs.size(), 2u);
}

TEST_F(EditPath, TheFocusedBoxIsWhatModifyWorksOn) {
    open();
    click("CmdModify");
    QTest::keyClick(dialog.get(), Qt::Key_B, Qt::AltModifier); // the label's mnemonic
    EXPECT_EQ(QApplication::focusWidget(), control<QListWidget>("ListTexture"));
    click("CmdModify");
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_TRUE(prompter.inputs.empty());

    auto* sound = control<QLineEdit>("TextSound");
    sound->setText("C:\\Pics\\");
    sound->setFocus();
    EXPECT_EQ(sound->selectedText(), "C:\\Pics\\");
    prompter.typed = {"F:\\"};
    click("CmdModify");
    EXPECT_EQ(sound->text(), "C:\\Pics\\");
    EXPECT_EQ(rows(control<QListWidget>("ListTexture")), QStringList{"F:\\"});

    // Enter is OK; an emptied box clears the main sound file.
    sound->setFocus();
    sound->clear();
    QTest::keyClick(sound, Qt::Key_Return);
    EXPECT_EQ(model->MainSoundFile, "");
    EXPECT_EQ(model->slide(0).SlideFile, "F:\\a.jpg");
}

TEST_F(EditPath, HelpAndTheBusyPointer) {
    model->MainSoundFile.clear();
    open();
    EXPECT_FALSE(control<QLineEdit>("TextSound")->isEnabled());
    click("CmdHelp");
    QTest::keyClick(control<QListWidget>("ListSound"), Qt::Key_F1);
    EXPECT_EQ(help.requests, (std::vector<std::string>{"topic 450", "topic 450"}));

    // While another command runs, OK does nothing at all.
    pointer.setHourglass();
    click("CmdOK");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(saved->count(), 0);
}

} // namespace
} // namespace vt
