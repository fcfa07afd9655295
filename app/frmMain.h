#pragma once

#include "settings/Settings.h"
#include "shortcuts/ShortcutHelper.h"
#include "slideshow/AppendList.h"

#include <QMainWindow>

#include <memory>
#include <string>

class QLabel;

namespace Ui {
class frmMain;
}

namespace vt {

class BusyPointer;
class CompanionCommands;
class FileDialogs;
class HelpFacility;
class ProgramStarter;
class Prompter;
class ShellOpener;
class ShortcutCommands;
class SlideShowModel;
class TabControl;
class WebCommands;

// What the main window works through; the program passes the real ones, the
// tests stand-ins.
struct MainWindowSeams {
    Prompter& prompter;
    FileDialogs& dialogs;
    BusyPointer& busy;
    ProgramStarter& starter;
    ShellOpener& shell;
    HelpFacility& help;
    ShortcutHelperFactory shortcuts;
};

// The program's one non-modal window: three tabs of commands, the close and
// help buttons and the menus. It loads when it is built and unloads (saving
// the options) when it closes.
class frmMain : public QMainWindow {
    Q_OBJECT
  public:
    frmMain(const MainWindowSeams& seams, std::string appFolder, UtilityOptions options,
            ProgramPaths paths, QWidget* parent = nullptr);
    ~frmMain() override;

    // What the viewer opened last, as the window keeps it for its own shows.
    const ProgramPaths& programPaths() const { return m_paths; }

    // Slide Show File Management
    void CmdOpenSS_Click();
    // What Open does once its dialog has chosen `path` (Windows form).
    void openShow(const std::string& path);
    void CmdAppendSS_Click();
    void ComboAppend_Click();
    void CmdEditSSPaths_Click();
    void CmdFilenames_Click();
    void CmdCreateSS_Click();
    // Program Configuration
    void CmdDefaults_Click();
    void CmdEditINI_Click();
    // Shortcuts
    void CmdCreate1_Click();
    void CmdCreate2_Click();
    void CmdCreate3_Click();
    void CmdCreate4_Click();
    void CmdCreate5_Click();
    void CmdCreate6_Click();
    // Outside the tabs and the menus
    void CmdHelp_Click();
    void CmdOK_Click();
    void mnuExit_Click();
    void mnuOpenVantora_Click();
    void mnuOpenSSEditor_Click();
    void mnuOpenThumbBrowser_Click();
    void mnuOpenThumbnailer_Click();
    void mnuOpenLauncher_Click();
    void mnuPackSS_Click();
    void mnuCheckFolder_Click();
    void mnuAbout_Click();
    void mnuAboutVTViewer_Click();
    void mnuWebVantora_Click();
    void mnuWebUpgrade_Click();
    void mnuWebTessel_Click();
    void mnuReadmeHtm_Click();
    void mnuReadmeTxt_Click();
    void mnuHelpSearch_Click();
    void mnuHelpContents_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void layOut();
    void widenButtonColumn(TabControl* tabs);
    void connectHandlers();
    void connectMenus();
    void nameForScreenReaders();
    void Form_Load();
    void Form_Unload();
    void ShowProgramPaths();
    void restorePosition();
    void resetAppendList();
    void showSlideCount();
    void showPath(QLabel* label, const std::string& path);

    std::unique_ptr<Ui::frmMain> ui;
    MainWindowSeams m_seams;
    std::string m_appFolder;
    UtilityOptions m_options;
    ProgramPaths m_paths;
    std::unique_ptr<SlideShowModel> m_model;
    std::string m_sourcePath; // the open show (Windows form); empty before Open
    AppendList m_appendList;
    std::unique_ptr<CompanionCommands> m_companions;
    std::unique_ptr<WebCommands> m_web;
    std::unique_ptr<ShortcutCommands> m_shortcuts;
    bool m_unloaded = false;
};

} // namespace vt
