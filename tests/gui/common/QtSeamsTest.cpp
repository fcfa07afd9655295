#include "FakeSeams.h"
#include "TestSupport.h"

#include "common/MessageBoxPrompter.h"
#include "common/QtFileDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

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
    whenShown<QMessageBox>([&](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "Vantora Utility Module");
        EXPECT_EQ(box.text(), QString::fromUtf8("Replace \u00abC:\\a&b<i>.vts\u00bb?\n\nSure?"));
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(prompter.show({"Replace \xab"
                             "C:\\a&b<i>.vts\xbb?\r\n\r\nSure?",
                             Icon::Question, Buttons::YesNo}),
              Answer::No);
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
    EXPECT_EQ(
        dialogs.choose({FileDialogRequest::Kind::Open, "Open Slide Show File", 0x201014, 470}),
        temp.win("show.vts"));
    EXPECT_EQ(help.requests, std::vector<std::string>{"topic 470"});

    // The next dialog, for any command, starts at what this one returned.
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.fileMode(), QFileDialog::AnyFile);
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog.selectedFiles(),
                  QStringList{QString::fromStdString(temp.host("show.vts"))});
        dialog.reject();
    });
    EXPECT_EQ(
        dialogs.choose({FileDialogRequest::Kind::Save, "Create Slide Show File", 0x200014, 500}),
        std::nullopt);
}

} // namespace
} // namespace vt::test
