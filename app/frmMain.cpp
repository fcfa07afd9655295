#include "app/frmMain.h"

#include "app/MainWindowTexts.h"
#include "common/BusyPointer.h"
#include "common/FormGeometry.h"
#include "common/HelpFacility.h"
#include "common/MenuKeysWin.h"
#include "common/PathText.h"
#include "common/Pictures.h"
#include "common/QtText.h"
#include "common/Texts.h"
#include "companions/CompanionCommands.h"
#include "companions/WebCommands.h"
#include "platform/FileSystem.h"
#include "platform/SystemFolders.h"
#include "shortcuts/ShortcutCommands.h"
#include "slideshow/SlideShowModel.h"
#include "slideshow/SlideShowTexts.h"
#include "ui_frmMain.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <vector>

namespace vt {

frmMain::frmMain(const MainWindowSeams& seams, std::string appFolder, UtilityOptions options,
                 ProgramPaths paths, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmMain>()), m_seams(seams),
      m_appFolder(std::move(appFolder)), m_options(options), m_paths(std::move(paths)),
      m_model(std::make_unique<SlideShowModel>()),
      m_companions(std::make_unique<CompanionCommands>(seams.starter, seams.shell, seams.busy,
                                                       seams.prompter, m_appFolder)),
      m_web(std::make_unique<WebCommands>(seams.shell, seams.busy, seams.prompter, m_appFolder)),
      m_shortcuts(std::make_unique<ShortcutCommands>(seams.shortcuts, seams.busy, seams.prompter,
                                                     m_appFolder, m_paths, ViewerFolder)) {
    loadProgramPictures();
    ui->setupUi(this);
    QIcon icon;
    for (const char* size : {"32", "48", "64"})
        icon.addFile(QStringLiteral(":/vtutil/vtutil-%1.png").arg(QLatin1String(size)));
    setWindowIcon(icon);
    // The texts the commands put back later start out from the same place.
    ui->lblSourceSS->setText(toQString(texts::NoSourceYet));
    ui->lblCreateSS->setText(toQString(texts::NoDestinationYet));
    ui->lblSlides->setText(toQString(texts::NotOpenedYet));
    ui->lblFilePaths->setText(toQString(texts::PathsNotEdited));
    ui->lblSourceVer->setText(toQString(texts::NoVersionYet));
    ui->lblAppendVer->setText(toQString(texts::NoVersionYet));
    ui->mnuWebTessel->setText(toQString(WebCommands::mnuWebTesselCaption()));
    layOut();
    nameForScreenReaders();
    connectHandlers();
    connectMenus();
    Form_Load();
}

frmMain::~frmMain() = default;

// Sizes and places the drawn controls for this screen, growing whatever the
// font does not fit into, then fixes the window's size.
void frmMain::layOut() {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QWidget* client = ui->centralwidget;
    form::scaleToScreen(client);
    client->resize(ui->lblBack->size()); // the background is drawn as the client area
    TabControl* tabs = ui->SSTab1;
    for (int i = 0; i < tabs->count(); ++i)
        form::scaleToScreen(tabs->widget(i));
    tabs->placeOnPages();

    form::Fitter clientFit(client);
    std::vector<form::Fitter> pageFits;
    for (int i = 0; i < tabs->count(); ++i)
        pageFits.emplace_back(tabs->widget(i));
    widenButtonColumn(tabs);
    QSize grow;
    for (int i = 0; i < tabs->count(); ++i)
        grow =
            grow.expandedTo(pageFits[static_cast<std::size_t>(i)].fit() - tabs->widget(i)->size());
    tabs->resize(tabs->size() + grow);
    client->setFixedSize(clientFit.fit());
    ui->lblBack->setGeometry(client->rect());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

// The command buttons of all three tabs are drawn as one column: when a
// caption makes one wider, all of them grow with it.
void frmMain::widenButtonColumn(TabControl* tabs) {
    std::vector<QPushButton*> buttons;
    int width = 0;
    for (int i = 0; i < tabs->count(); ++i) {
        for (auto* button :
             tabs->widget(i)->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
            buttons.push_back(button);
            width = std::max({width, button->width(), button->sizeHint().width()});
        }
    }
    for (QPushButton* button : buttons)
        button->resize(width, button->height());
}

void frmMain::nameForScreenReaders() {
    // A value label is known by its value (Qt follows its text as it
    // changes) and described by the caption beside it, which also labels it;
    // a button whose caption says little is described by the label beside it.
    for (QLabel* caption : findChildren<QLabel*>()) {
        QWidget* value = caption->buddy();
        if (value)
            value->setAccessibleDescription(caption->text());
    }
    ui->ComboAppend->setAccessibleName(ui->CmdAppendSS->text().remove(QLatin1Char('&')));
    ui->Image1->setAccessibleName(toQString(ProgramTitle));
}

void frmMain::connectHandlers() {
    const auto click = [this](QAbstractButton* button, void (frmMain::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, handler);
    };
    click(ui->CmdOpenSS, &frmMain::CmdOpenSS_Click);
    click(ui->CmdAppendSS, &frmMain::CmdAppendSS_Click);
    click(ui->CmdEditSSPaths, &frmMain::CmdEditSSPaths_Click);
    click(ui->CmdFilenames, &frmMain::CmdFilenames_Click);
    click(ui->CmdCreateSS, &frmMain::CmdCreateSS_Click);
    click(ui->CmdDefaults, &frmMain::CmdDefaults_Click);
    click(ui->CmdEditINI, &frmMain::CmdEditINI_Click);
    click(ui->CmdCreate1, &frmMain::CmdCreate1_Click);
    click(ui->CmdCreate2, &frmMain::CmdCreate2_Click);
    click(ui->CmdCreate3, &frmMain::CmdCreate3_Click);
    click(ui->CmdCreate4, &frmMain::CmdCreate4_Click);
    click(ui->CmdCreate5, &frmMain::CmdCreate5_Click);
    click(ui->CmdCreate6, &frmMain::CmdCreate6_Click);
    click(ui->CmdHelp, &frmMain::CmdHelp_Click);
    click(ui->CmdOK, &frmMain::CmdOK_Click);
    connect(ui->ComboAppend, &QComboBox::currentIndexChanged, this, &frmMain::ComboAppend_Click);
    // Esc anywhere presses the close button.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, ui->CmdOK,
            &QAbstractButton::click);
    auto* menuKeys = new MenuKeysWin(ui->menubar);
    ui->SSTab1->tabBar()->installEventFilter(menuKeys);
    for (QAbstractButton* button : ui->centralwidget->findChildren<QAbstractButton*>())
        button->installEventFilter(menuKeys);
}

void frmMain::connectMenus() {
    const auto item = [this](QAction* action, void (frmMain::*handler)()) {
        connect(action, &QAction::triggered, this, handler);
    };
    item(ui->mnuOpenVantora, &frmMain::mnuOpenVantora_Click);
    item(ui->mnuOpenSSEditor, &frmMain::mnuOpenSSEditor_Click);
    item(ui->mnuOpenThumbBrowser, &frmMain::mnuOpenThumbBrowser_Click);
    item(ui->mnuOpenThumbnailer, &frmMain::mnuOpenThumbnailer_Click);
    item(ui->mnuOpenLauncher, &frmMain::mnuOpenLauncher_Click);
    item(ui->mnuPackSS, &frmMain::mnuPackSS_Click);
    item(ui->mnuCheckFolder, &frmMain::mnuCheckFolder_Click);
    item(ui->mnuExit, &frmMain::mnuExit_Click);
    item(ui->mnuAbout, &frmMain::mnuAbout_Click);
    item(ui->mnuAboutVTViewer, &frmMain::mnuAboutVTViewer_Click);
    item(ui->mnuWebVantora, &frmMain::mnuWebVantora_Click);
    item(ui->mnuWebUpgrade, &frmMain::mnuWebUpgrade_Click);
    item(ui->mnuWebTessel, &frmMain::mnuWebTessel_Click);
    item(ui->mnuReadmeHtm, &frmMain::mnuReadmeHtm_Click);
    item(ui->mnuReadmeTxt, &frmMain::mnuReadmeTxt_Click);
    item(ui->mnuHelpSearch, &frmMain::mnuHelpSearch_Click);
    item(ui->mnuHelpContents, &frmMain::mnuHelpContents_Click);
}

void frmMain::Form_Load() {
    setWindowTitle(toQString(ProgramTitle));
    ui->Image1->setToolTip(toQString(ProgramTitle));
    ShowProgramPaths();
    restorePosition();
    ui->ComboAppend->addItem(toQString(AppendPlaceholder));
    ui->ComboAppend->setCurrentIndex(0);
    m_seams.busy.processPending();
    m_seams.busy.setDefault();
}

void frmMain::showPath(QLabel* label, const std::string& path) {
    label->setText(toQString(path));
    label->setToolTip(toQString(path));
}

void frmMain::ShowProgramPaths() {
    ui->lblDestVer->setText(toQString(texts::Version3));
    ui->lblUtilModPath->setText(toQString(upperCase(m_appFolder)));
    ui->lblUtilModPath->setToolTip(toQString(m_appFolder));
    showPath(ui->lblProgEXE, ViewerFolder());
    showPath(ui->lblRuntimeEXE, RuntimeFolder());
    const std::string system = GetSystemFolder();
    showPath(ui->lblSCRPath,
             files::fileExists(system + std::string(texts::ScreenSaverFile)) ? system : "");
    const bool bonus = files::folderExists(ViewerFolder() + std::string(texts::BonusFolder));
    showPath(ui->lblBonusPath, bonus ? ViewerFolder() + std::string(texts::BonusFolder) : "");
    showPath(ui->lblWinPath, GetWindowsFolder());
    showPath(ui->lblSystemPath, system);
    showPath(ui->lblTempPath, GetTempFolder(m_appFolder));
}

// The saved position, in twips, kept on the screen.
void frmMain::restorePosition() {
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QSize outer = frameGeometry().size();
    const QSize room = screen->geometry().size();
    const auto twips = [this](int pixels) { return form::twipsFromPixels(pixels, this); };
    int x = std::max(0, m_options.UtilWinPosX);
    int y = std::max(0, m_options.UtilWinPosY);
    x = std::min(x, twips(room.width()) - twips(outer.width()));
    y = std::min(y, twips(room.height()) - twips(outer.height()));
    move(form::pixelsFromTwips(x, this), form::pixelsFromTwips(y, this));
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QMainWindow::closeEvent(event);
}

void frmMain::Form_Unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_seams.help.close();
    m_options.UtilWinPosX = form::twipsFromPixels(pos().x(), this);
    m_options.UtilWinPosY = form::twipsFromPixels(pos().y(), this);
    SaveUtilityOptions(m_options);
}

void frmMain::CmdOK_Click() {
    mnuExit_Click();
}

void frmMain::mnuExit_Click() {
    close();
}

void frmMain::CmdHelp_Click() {
    m_seams.help.showContents();
}

void frmMain::mnuHelpContents_Click() {
    m_seams.help.showContents();
}

void frmMain::mnuHelpSearch_Click() {
    m_seams.help.showSearch();
}

} // namespace vt
