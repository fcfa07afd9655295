#pragma once

#include "DialogTesting.h"
#include "FakeSeams.h"

#include "app/frmMain.h"
#include "common/QtText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>

namespace vt::test {

// A main window on stand-in seams, whose viewer folder and shows are in a
// temporary folder.
class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        registry.write("VTViewer.ini", "[Settings]\r\nEXEPath=" + temp.win() + "\r\n");
    }
    frmMain& build() {
        // No shortcut component: every shortcut meets its failure path.
        const MainWindowSeams seams{prompter, dialogs, busy, starter, shell, help,
                                    [] { return std::unique_ptr<ShortcutHelper>(); }};
        window = std::make_unique<frmMain>(seams, "Z:\\opt\\Vantora\\", options, ProgramPaths{});
        return *window;
    }
    template <class T = QWidget> T* control(const char* name) const {
        return test::control<T>(*window, name);
    }
    std::string text(const char* name) const { return fromQString(control<QLabel>(name)->text()); }
    std::string tip(const char* name) const { return fromQString(control(name)->toolTip()); }
    // '1' for each control that is enabled, '0' for each that is not.
    std::string enabled(const std::vector<const char*>& names) const {
        std::string states;
        for (const char* name : names)
            states += control(name)->isEnabled() ? '1' : '0';
        return states;
    }
    void click(const char* name) {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }
    void pickAndClick(const std::string& windowsPath, const char* button) {
        dialogs.results.push_back(windowsPath);
        click(button);
    }
    // The last file dialog's title, flags and help topic.
    std::string lastDialog() const {
        const FileDialogRequest& r = dialogs.requests.back();
        return r.title + " " + std::to_string(r.flags) + " " + std::to_string(r.helpContext);
    }
    std::vector<std::string> appendRows() const {
        auto* list = control<QComboBox>("ComboAppend");
        std::vector<std::string> rows;
        for (int i = 0; i < list->count(); ++i)
            rows.push_back(fromQString(list->itemText(i)));
        return rows;
    }
    // Writes a show of `slides` slides and gives its Windows path.
    std::string show(const std::string& name, int slides, std::string version = "Version 3.0") {
        ShowFile file;
        file.version = std::move(version);
        for (int i = 0; i < slides; ++i)
            file.slides.push_back({"C:\\" + name + std::to_string(i) + ".jpg", "", "", "", ""});
        temp.write(name, file.bytes());
        return temp.win(name);
    }

    RecordingPrompter prompter;
    ScriptedFileDialogs dialogs;
    FakeBusyPointer busy;
    FakeProgramStarter starter;
    FakeShellOpener shell;
    RecordingHelp help;
    UtilityOptions options;
    TempFolder temp, registry;
    ScopedEnvironment config{"XDG_CONFIG_HOME", registry.host().c_str()};
    std::unique_ptr<frmMain> window;
};

} // namespace vt::test
