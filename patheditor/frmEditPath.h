#pragma once

#include "media/MediaSearch.h"
#include "patheditor/PathEditor.h"
#include "patheditor/SearchProgress.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <string>

class QAction;
class QListWidget;

namespace Ui {
class frmEditPath;
}

namespace vt {

class BusyPointer;
class FileDialogs;
class HelpFacility;
class Prompter;

// The path editor: the model's distinct folders in three lists and its main
// sound file, edited on working copies that reach the model only with OK.
// Rows whose files are missing carry a mark; Find Missing Files searches a
// folder for them and proposes new paths.
// The caller shows it modally with the hourglass set, and sets the default
// pointer again once it has closed.
class frmEditPath : public QDialog {
    Q_OBJECT

  public:
    frmEditPath(SlideShowModel& model, Prompter& prompter, BusyPointer& pointer, HelpFacility& help,
                FileDialogs& dialogs, QWidget* parent = nullptr);
    ~frmEditPath() override;

    // How Find Missing Files walks a search folder; NameIndex::walk unless a
    // test needs a walk it can stop at will.
    void setFolderWalk(FolderWalk walk) { m_walk = std::move(walk); }

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
    void TextSound_EditingFinished();
    void CmdFindMissing_Click();

    QListWidget* selectedList() const;
    int selectedRow() const;
    void showReplacedRows(const ReplacedRows& rows);
    void showEditorRows();
    void showMarks();
    std::optional<media::Proposals> searchFolder(const std::string& hostRoot);

    std::unique_ptr<Ui::frmEditPath> m_ui;
    SlideShowModel& m_model;
    Prompter& m_prompter;
    BusyPointer& m_pointer;
    HelpFacility& m_help;
    FileDialogs& m_dialogs;
    PathEditor m_editor;
    media::MediaCheck m_check; // of the working copies as the lists show them
    FolderWalk m_walk = nameIndexWalk();
    QAction* m_soundMark = nullptr; // on TextSound while its file is missing
};

} // namespace vt
