// The main window's commands that other parts of the program carry out: the
// path editor, the listing, the shortcuts, the companion programs, the web
// pages and the About box.
#include "app/frmMain.h"

#include "app/MainWindowTexts.h"
#include "common/BusyPointer.h"
#include "common/QtText.h"
#include "companions/AboutFrm.h"
#include "companions/CompanionCommands.h"
#include "companions/WebCommands.h"
#include "listing/frmSelectView.h"
#include "patheditor/frmEditPath.h"
#include "shortcuts/ShortcutCommands.h"
#include "ui_frmMain.h"

namespace vt {

void frmMain::CmdEditSSPaths_Click() {
    BusyPointer& busy = m_seams.busy;
    if (!busy.isDefault())
        return;
    busy.setHourglass();
    busy.processPending();
    frmEditPath editor(*m_model, m_seams.prompter, busy, m_seams.help, m_seams.dialogs, this);
    connect(&editor, &frmEditPath::filePathsSaved, this,
            [this] { ui->lblFilePaths->setText(toQString(texts::PathsEdited)); });
    editor.exec();
    busy.setDefault();
}

void frmMain::CmdFilenames_Click() {
    frmSelectView(*m_model, m_options, m_appFolder, m_seams.prompter, m_seams.busy, m_seams.help,
                  m_seams.shell, this)
        .exec();
}

void frmMain::CmdCreate1_Click() { m_shortcuts->CmdCreate1_Click(); }
void frmMain::CmdCreate2_Click() { m_shortcuts->CmdCreate2_Click(); }
void frmMain::CmdCreate3_Click() { m_shortcuts->CmdCreate3_Click(); }
void frmMain::CmdCreate4_Click() { m_shortcuts->CmdCreate4_Click(); }
void frmMain::CmdCreate5_Click() { m_shortcuts->CmdCreate5_Click(); }
void frmMain::CmdCreate6_Click() { m_shortcuts->CmdCreate6_Click(); }

void frmMain::mnuOpenVantora_Click() { m_companions->mnuOpenVantora_Click(); }
void frmMain::mnuOpenSSEditor_Click() { m_companions->mnuOpenSSEditor_Click(); }
void frmMain::mnuOpenThumbBrowser_Click() { m_companions->mnuOpenThumbBrowser_Click(); }
void frmMain::mnuOpenThumbnailer_Click() { m_companions->mnuOpenThumbnailer_Click(); }
void frmMain::mnuOpenLauncher_Click() { m_companions->mnuOpenLauncher_Click(); }
void frmMain::mnuAboutVTViewer_Click() { m_companions->mnuAboutVTViewer_Click(); }
void frmMain::mnuReadmeHtm_Click() { m_companions->mnuReadmeHtm_Click(); }
void frmMain::mnuReadmeTxt_Click() { m_companions->mnuReadmeTxt_Click(); }

void frmMain::mnuWebVantora_Click() { m_web->mnuWebVantora_Click(); }
void frmMain::mnuWebUpgrade_Click() { m_web->mnuWebUpgrade_Click(); }
void frmMain::mnuWebTessel_Click() { m_web->mnuWebTessel_Click(); }

void frmMain::mnuAbout_Click() { showAboutBox(m_seams.busy, m_seams.help); }

} // namespace vt
