#include "FakeSeams.h"
#include "TestSupport.h"

#include "common/CursorBusyPointer.h"
#include "common/MessageBoxPrompter.h"
#include "common/QtFileDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace vt::test {
namespace {

// Runs `act` on the modal dialog of type T as soon as it shows.
template <class T> void whenShown(std::function<void(T&)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*dialog);
        }
    });
    timer->start();
}

TEST(MessageBoxPrompter, ShowsTheMessageAndAnswers) {
    MessageBoxPrompter prompter;
    QString title, text;
    QMessageBox::Icon icon{};
    whenShown<QMessageBox>([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        icon = box.icon();
        EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(prompter.show({"Replace \xab" "C:\\a&b<i>.vts\xbb?\r\n\r\nSure?", Icon::Question,
                             Buttons::YesNo}),
              Answer::No);
    EXPECT_EQ(title, "Vantora Utility Module");
    EXPECT_EQ(text, QString::fromUtf8("Replace \u00abC:\\a&b<i>.vts\u00bb?\n\nSure?"));
    EXPECT_EQ(icon, QMessageBox::Question);

    whenShown<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Information);
        box.button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(prompter.show({"Delete?", Icon::Information, Buttons::OkCancel}), Answer::Cancel);
}

TEST(MessageBoxPrompter, InputBoxHasHelpAndGivesNothingOnCancel) {
    MessageBoxPrompter prompter;
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
    EXPECT_EQ(help.requests, std::vector<std::string>{"topic 450"});

    whenShown<QDialog>([](QDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(prompter.input("New folder:", "Edit Path", "C:\\", 450), "");
}

TEST(QtFileDialogs, AskTheWayTheCommandsWant) {
    TempFolder temp;
    temp.write("show.vts", "x");
    RecordingHelp help;
    QtFileDialogs dialogs(help);

    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Open Slide Show File");
        EXPECT_EQ(dialog.findChild<QComboBox*>("fileTypeCombo")->currentText(),
                  "Vantora Slide Show  (*.vts)");
        EXPECT_EQ(dialog.defaultSuffix(), "vts");
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
        dialog.setDirectory(QString::fromStdString(temp.host()));
        dialog.selectFile("show.vts");
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    EXPECT_EQ(dialogs.choose({FileDialogRequest::Kind::Open, "Open Slide Show File", 0x201014, 470}),
              temp.win("show.vts"));
    EXPECT_EQ(help.requests, std::vector<std::string>{"topic 470"});

    // The next dialog, for any command, starts at what this one returned.
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.fileMode(), QFileDialog::AnyFile);
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog.selectedFiles(), QStringList{QString::fromStdString(temp.host("show.vts"))});
        dialog.reject();
    });
    EXPECT_EQ(dialogs.choose({FileDialogRequest::Kind::Save, "Create Slide Show File", 0x200014, 500}),
              std::nullopt);
}

TEST(CursorBusyPointer, OneSettingNotAStack) {
    CursorBusyPointer busy;
    EXPECT_TRUE(busy.isDefault());
    busy.setHourglass();
    busy.setHourglass();
    EXPECT_FALSE(busy.isDefault());
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    busy.setDefault();
    EXPECT_TRUE(busy.isDefault());

    QGuiApplication::setOverrideCursor(Qt::WaitCursor); // set by somebody else
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    busy.setDefault();
    EXPECT_TRUE(busy.isDefault());
}

// Not a check: pictures of the dialogs for a person to look at, when
// VT_SCREENSHOT_DIR names a folder.
TEST(QtSeams, Screenshots) {
    const char* folder = std::getenv("VT_SCREENSHOT_DIR");
    if (!folder)
        GTEST_SKIP() << "VT_SCREENSHOT_DIR not set";
    const auto grabAs = [folder](const char* name) {
        return [folder, name](QDialog& dialog) {
            QTest::qWait(100);
            dialog.grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
            dialog.reject();
        };
    };
    RecordingHelp help;
    QtFileDialogs dialogs(help);
    whenShown<QFileDialog>(grabAs("file-dialog.png"));
    dialogs.choose({FileDialogRequest::Kind::Open, "Open Slide Show File", 0x201014, 470});
    MessageBoxPrompter prompter;
    prompter.setHelp(&help);
    whenShown<QMessageBox>(grabAs("message-box.png"));
    prompter.show({"The specified filename already exists:\r\n\r\nZ:\\tmp\\a.vts\r\n\r\n"
                   "Do you want to replace this file?",
                   Icon::Question, Buttons::YesNo});
    whenShown<QDialog>(grabAs("input-box.png"));
    prompter.input("Enter the new folder:", "Edit Path", "C:\\Pictures\\", 450);
}

} // namespace
} // namespace vt::test
