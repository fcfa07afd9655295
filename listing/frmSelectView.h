#pragma once

#include "settings/Settings.h"
#include "slideshow/SlideShowModel.h"

#include <QDialog>

#include <memory>
#include <string>

namespace Ui {
class frmSelectView;
}

namespace vt {

class BusyPointer;
class HelpFacility;
class Prompter;
class ShellOpener;

// The listing options: which file names to list, with numbers or not, and
// which editor shows them. OK stores the options, writes the listing in the
// program folder and opens it.
class frmSelectView : public QDialog {
    Q_OBJECT

  public:
    frmSelectView(const SlideShowModel& model, UtilityOptions& options, std::string appFolder,
                  Prompter& prompter, BusyPointer& pointer, HelpFacility& help, ShellOpener& shell,
                  QWidget* parent = nullptr);
    ~frmSelectView() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load();
    void UpdateOkButton();
    void CmdDefaults_Click();
    void CmdOK_Click();

    std::unique_ptr<Ui::frmSelectView> m_ui;
    const SlideShowModel& m_model;
    UtilityOptions& m_options;
    std::string m_appFolder;
    Prompter& m_prompter;
    BusyPointer& m_pointer;
    HelpFacility& m_help;
    ShellOpener& m_shell;
};

} // namespace vt
