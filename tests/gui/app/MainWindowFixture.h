#pragma once

#include "DialogTesting.h"
#include "FakeSeams.h"
#include "TestSupport.h"

#include "app/Settings.h"
#include "app/frmMain.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vt::test {

// A main window on stand-in seams, and shows to open in a temporary folder.
class MainWindowTest : public ::testing::Test {
  protected:
    frmMain& build();
    template <class T = QWidget> T* control(const char* name) const {
        return test::control<T>(*window, name);
    }
    // A label's or button's caption.
    std::string text(const char* name) const;
    std::string tip(const char* name) const;
    bool enabled(const char* name) const { return control(name)->isEnabled(); }
    void click(const char* name) {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }
    std::vector<std::string> appendRows() const;

    // Writes a show of `slides` slides; pick() answers the next file dialog.
    std::string show(const std::string& name, int slides,
                     const std::string& version = "Version 3.0");
    void pick(const std::string& windowsPath) { dialogs.results.push_back(windowsPath); }
    void pickAndClick(const std::string& windowsPath, const char* button) {
        pick(windowsPath);
        click(button);
    }

    RecordingPrompter prompter;
    ScriptedFileDialogs dialogs;
    FakeBusyPointer busy;
    FakeProgramStarter starter;
    FakeShellOpener shell;
    RecordingHelp help;
    // No shortcut component: every shortcut meets its failure path.
    ShortcutHelperFactory shortcuts = [] { return std::unique_ptr<ShortcutHelper>(); };
    UtilityOptions options;
    TempFolder temp;
    std::unique_ptr<frmMain> window;
};

} // namespace vt::test
