#pragma once

#include "patheditor/PathEditor.h"

#include <QDialog>

#include <memory>

class QListWidget;

namespace Ui {
class frmEditPath;
}

namespace vt {

class BusyPointer;
class HelpFacility;
class Prompter;

// The path editor: the model's distinct folders in three lists and its main
// sound file, edited on working copies that reach the model only with OK.
// The caller shows it modally with the hourglass set, and sets the default
// pointer again once it has closed.
class frmEditPath : public QDialog {
    Q_OBJECT

  public:
    frmEditPath(SlideShowModel& model, Prompter& prompter, BusyPointer& pointer, HelpFacility& help,
                QWidget* parent = nullptr);
    ~frmEditPath() override;

  signals:
    // OK was pressed, changes or not: the main window then shows "Yes" in
    // lblFilePaths.
    void filePathsSaved();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

  private:
    void Form_Load();
    void CmdModify_Click();
    void CmdOK_Click();
    void CmdHelp_Click();
    void TextSound_GotFocus();

    QListWidget* selectedList() const;
    int selectedRow() const;
    void showReplacedRows(const ReplacedRows& rows);

    std::unique_ptr<Ui::frmEditPath> m_ui;
    SlideShowModel& m_model;
    Prompter& m_prompter;
    BusyPointer& m_pointer;
    HelpFacility& m_help;
    PathEditor m_editor;
};

} // namespace vt
