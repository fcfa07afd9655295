#include "FakeSeams.h"

#include "common/MessageBoxPrompter.h"
#include "platform/QtFileDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace vt::test {
namespace {

// Runs `act` on the modal dialog of type T that shows next.
template <class T, class Act> void whenShown(Act act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        act(*dialog);
    });
}

TEST(QtSeams, AskTheUserTheWayTheCommandsWant) {
    MessageBoxPrompter prompter;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "Vantora Utility Module");
        EXPECT_EQ(box.text(), QString::fromUtf8("Replace \u00abC:\\a&b<i>.vts\u00bb?\n\nSure?"));
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::No)->click();
    });
    const std::string text = "Replace \xab" "C:\\a&b<i>.vts\xbb?\r\n\r\nSure?";
    EXPECT_EQ(prompter.show({text, Icon::Question, Buttons::YesNo}), Answer::No);

    RecordingHelp help;
    prompter.setHelp(&help);
    whenShown<QDialog>([](QDialog& dialog) {
        auto* box = dialog.findChild<QDialogButtonBox*>();
        box->button(QDialogButtonBox::Help)->click();
        auto* edit = dialog.findChild<QLineEdit*>();
        EXPECT_EQ(edit->text(), QString::fromUtf8("C:\\Fotos\\M\u00fcnchen\\"));
        edit->setText(QString::fromUtf8("D:\\\u00c9t\u00e9\\"));
        box->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(prompter.input("New folder:", "Edit Path", "C:\\Fotos\\M\xfcnchen\\", 450),
              "D:\\\xc9t\xe9\\");
    whenShown<QDialog>([](QDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(prompter.input("New folder:", "Edit Path", "C:\\", 450), "");

    // The file dialogs, whose next one starts at what the last returned.
    TempFolder temp;
    temp.write("show.vts", "x");
    QtFileDialogs dialogs(help);
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle() + "|" +
                      dialog.findChild<QComboBox*>("fileTypeCombo")->currentText() + "|" +
                      dialog.defaultSuffix(),
                  "Open Slide Show File|Vantora Slide Show  (*.vts)|vts");
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
        dialog.selectFile(QString::fromStdString(temp.host("show.vts")));
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    EXPECT_EQ(
        dialogs.choose({FileDialogRequest::Kind::Open, "Open Slide Show File", 0x201014, 470}),
        temp.win("show.vts"));
    EXPECT_EQ(help.requests, (std::vector<std::string>{"topic 450", "topic 470"}));

    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_TRUE(dialog.acceptMode() == QFileDialog::AcceptSave &&
                    dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog.selectedFiles(),
                  QStringList{QString::fromStdString(temp.host("show.vts"))});
        dialog.reject();
    });
    EXPECT_EQ(
        dialogs.choose({FileDialogRequest::Kind::Save, "Create Slide Show File", 0x200014, 500}),
        std::nullopt);

    // The folder dialog answers a host folder.
    temp.write("pics/a.jpg", "x");
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.fileMode(), QFileDialog::Directory);
        EXPECT_EQ(dialog.directory().absolutePath().toStdString() + "/", temp.host());
        dialog.selectFile(QString::fromStdString(temp.host("pics")));
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    EXPECT_EQ(dialogs.chooseFolder({"Folder to Search", temp.host(), 450}), temp.host("pics"));
}

} // namespace
} // namespace vt::test
