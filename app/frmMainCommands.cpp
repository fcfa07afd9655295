// The main window's slide show and preferences commands.
#include "app/frmMain.h"

#include "app/MainWindowTexts.h"
#include "collection/frmCheckFolder.h"
#include "common/BusyPointer.h"
#include "common/FileDialogs.h"
#include "common/Numbers.h"
#include "common/PathText.h"
#include "common/QtText.h"
#include "common/Texts.h"
#include "pack/PackProgress.h"
#include "settings/PreferencesCommands.h"
#include "slideshow/AppendTexts.h"
#include "slideshow/SlideShowCommands.h"
#include "slideshow/SlideShowTexts.h"
#include "slideshow/SlideShowWriter.h"
#include "ui_frmMain.h"

namespace vt {
namespace {

// The Windows OFN_ flags of the three file dialogs: long names, hidden
// read-only box, Help button, and for picking a show, must exist.
constexpr int PickFlags = 0x201014;
constexpr int CreateFlags = 0x200014;

constexpr int OpenHelp = 470;
constexpr int AppendHelp = 480;
constexpr int CreateHelp = 500;

} // namespace

void frmMain::showSlideCount() {
    ui->lblSlides->setText(toQString(slideCountCaption(m_model->SlideCount)));
}

void frmMain::resetAppendList() {
    m_appendList.reset();
    ui->ComboAppend->clear();
    ui->ComboAppend->addItem(toQString(AppendPlaceholder));
    ui->ComboAppend->setCurrentIndex(0);
    ui->ComboAppend->setToolTip(QString());
    ui->ComboAppend->setEnabled(false);
}

void frmMain::CmdOpenSS_Click() {
    BusyPointer& busy = m_seams.busy;
    if (!busy.isDefault())
        return;
    const auto chosen = m_seams.dialogs.choose(
        {FileDialogRequest::Kind::Open, std::string(texts::OpenTitle), PickFlags, OpenHelp});
    if (chosen)
        openShow(*chosen);
}

void frmMain::openShow(const std::string& path) {
    BusyPointer& busy = m_seams.busy;
    busy.setHourglass();
    busy.processPending();
    resetAppendList();
    ui->lblCreateSS->setText(toQString(texts::NoDestinationYet));
    ui->lblFilePaths->setText(toQString(texts::PathsNotEdited));
    ui->lblAppendVer->setText(toQString(texts::NoVersionYet));
    m_sourcePath = path;
    showPath(ui->lblSourceSS, path);
    for (QWidget* command :
         {ui->CmdEditSSPaths, ui->CmdAppendSS, ui->CmdCreateSS, ui->CmdFilenames})
        command->setEnabled(true);
    ui->mnuPackSS->setEnabled(true);
    openSlideShow(*m_model, path, m_seams.prompter,
                  [this](std::string_view line) { ui->lblSourceVer->setText(toQString(line)); });
    showSlideCount();
    busy.setDefault();
}

void frmMain::CmdAppendSS_Click() {
    BusyPointer& busy = m_seams.busy;
    if (!busy.isDefault() || !m_appendList.hasRoom(m_seams.prompter))
        return;
    const auto chosen = m_seams.dialogs.choose(
        {FileDialogRequest::Kind::Open, std::string(texts::AppendTitle), PickFlags, AppendHelp});
    if (!chosen || !m_appendList.confirm(*chosen, m_sourcePath, m_seams.prompter))
        return;
    busy.setHourglass();
    busy.processPending();
    if (m_appendList.isEmpty())
        ui->ComboAppend->clear();
    m_appendList.add(*chosen);
    ui->ComboAppend->addItem(toQString(*chosen));
    ui->ComboAppend->setCurrentIndex(ui->ComboAppend->count() - 1);
    ui->ComboAppend->setToolTip(toQString(*chosen));
    ui->ComboAppend->setEnabled(true);
    ReadAppendedSlideShow(*m_model, *chosen, m_seams.prompter, [this](std::string_view line) {
        ui->lblAppendVer->setText(toQString(line));
    });
    showSlideCount();
    busy.setDefault();
}

void frmMain::ComboAppend_Click() {
    ui->ComboAppend->setToolTip(ui->ComboAppend->currentText());
}

void frmMain::CmdCreateSS_Click() {
    BusyPointer& busy = m_seams.busy;
    if (!busy.isDefault())
        return;
    const auto chosen = m_seams.dialogs.choose(
        {FileDialogRequest::Kind::Save, std::string(texts::CreateTitle), CreateFlags, CreateHelp});
    if (!chosen || !mayCreate(*chosen, m_sourcePath, m_appendList.lines(), m_seams.prompter))
        return;
    busy.setHourglass();
    busy.processPending();
    showPath(ui->lblCreateSS, *chosen);
    WriteSlideShow(*m_model, folderPart(*chosen), fileNamePart(*chosen), m_seams.prompter,
                   m_paths.LastSlideShow);
    busy.setDefault();
}

// Packs what Create would write: the opened show with the appended ones.
void frmMain::mnuPackSS_Click() {
    if (m_seams.busy.isDefault())
        packSlideShow(*m_model, m_sourcePath,
                      {m_seams.dialogs, m_seams.prompter, m_seams.busy, m_seams.help}, this);
}

// A window of its own over a folder of shows; a show opened from it opens
// here as Open would.
void frmMain::mnuCheckFolder_Click() {
    if (!m_seams.busy.isDefault())
        return;
    checkShowsInFolder({m_seams.prompter, m_seams.dialogs, m_seams.busy, m_seams.help,
                        [this](const std::string& path) {
                            if (!m_seams.busy.isDefault())
                                return;
                            openShow(path);
                            activateWindow();
                            raise();
                        }},
                       this);
}

// Deleting the preferences file may run while another command works.
void frmMain::CmdDefaults_Click() {
    resetPreferences(m_seams.prompter);
}

void frmMain::CmdEditINI_Click() {
    if (m_seams.busy.isDefault())
        editPreferences(m_seams.starter, m_seams.prompter);
}

} // namespace vt
