#include "listing/frmSelectView.h"

#include "common/BusyPointer.h"
#include "common/FormGeometry.h"
#include "common/HelpFacility.h"
#include "listing/FilenameListing.h"
#include "listing/ListingTexts.h"
#include "ui_frmSelectView.h"

#include <QKeyEvent>
#include <QShortcut>

namespace vt {

frmSelectView::frmSelectView(const SlideShowModel& model, UtilityOptions& options,
                             std::string appFolder, Prompter& prompter, BusyPointer& pointer,
                             HelpFacility& help, ShellOpener& shell, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::frmSelectView>()), m_model(model),
      m_options(options), m_appFolder(std::move(appFolder)), m_prompter(prompter),
      m_pointer(pointer), m_help(help), m_shell(shell) {
    m_ui->setupUi(this);
    placeAtScreenDpi(*this);
    // toggled fires for the program's own changes too, as loading relies on.
    for (QCheckBox* box :
         {m_ui->CheckSlide, m_ui->CheckTexture, m_ui->CheckSound, m_ui->CheckPlayList})
        connect(box, &QCheckBox::toggled, this, &frmSelectView::UpdateOkButton);
    connect(m_ui->CmdDefaults, &QPushButton::clicked, this, &frmSelectView::CmdDefaults_Click);
    connect(m_ui->CmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->CmdOK, &QPushButton::clicked, this, &frmSelectView::CmdOK_Click);
    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this,
            [this] { m_help.showTopic(texts::ListingOptionsHelp); });
    Form_Load();
}

frmSelectView::~frmSelectView() = default;

void frmSelectView::Form_Load() {
    // A false option leaves its control as the form starts it.
    if (m_options.chkSlide)
        m_ui->CheckSlide->setChecked(true);
    if (m_options.chkTexture)
        m_ui->CheckTexture->setChecked(true);
    if (m_options.chkSound)
        m_ui->CheckSound->setChecked(true);
    if (m_options.chkPlayList)
        m_ui->CheckPlayList->setChecked(true);
    if (m_options.SlideNumbers)
        m_ui->CheckSlideNumbers->setChecked(true);
    if (m_options.UseNotepad)
        m_ui->OptionNotepad->setChecked(true);
}

void frmSelectView::UpdateOkButton() {
    m_ui->CmdOK->setEnabled(m_ui->CheckSlide->isChecked() || m_ui->CheckTexture->isChecked() ||
                            m_ui->CheckSound->isChecked() || m_ui->CheckPlayList->isChecked());
}

// Only the controls change; the options follow at OK.
void frmSelectView::CmdDefaults_Click() {
    for (QCheckBox* box :
         {m_ui->CheckSlide, m_ui->CheckTexture, m_ui->CheckSound, m_ui->CheckPlayList})
        box->setChecked(true);
    m_ui->OptionWordpad->setChecked(true);
    m_ui->CheckSlideNumbers->setChecked(false);
}

void frmSelectView::CmdOK_Click() {
    if (!m_pointer.isDefault())
        return;
    m_options.chkSlide = m_ui->CheckSlide->isChecked();
    m_options.chkTexture = m_ui->CheckTexture->isChecked();
    m_options.chkSound = m_ui->CheckSound->isChecked();
    m_options.chkPlayList = m_ui->CheckPlayList->isChecked();
    m_options.SlideNumbers = m_ui->CheckSlideNumbers->isChecked();
    // The editor is started even when writing failed: it shows the old file.
    const std::string folder = ListingFolder(m_appFolder);
    WriteFilenameListing(m_model, m_options, folder, m_prompter);
    const bool notepad = m_ui->OptionNotepad->isChecked();
    if (!ShowListingFile(notepad, folder, m_shell, m_prompter))
        return;
    m_options.UseNotepad = notepad;
    m_pointer.processPending();
    accept();
}

// Escape presses Defaults here, not Cancel; the close box still cancels.
void frmSelectView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        m_ui->CmdDefaults->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vt
