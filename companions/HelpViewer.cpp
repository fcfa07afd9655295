#include "companions/HelpViewer.h"

#include "common/QtText.h"
#include "companions/HelpContexts.h"
#include "companions/HelpFolder.h"
#include "companions/HelpTexts.h"
#include "companions/HelpWindow.h"
#include "platform/DriveMap.h"

#include <QString>

namespace vt {

HelpViewer::HelpViewer(std::string appFolder) : m_appFolder(std::move(appFolder)) {}

HelpViewer::~HelpViewer() = default;

void HelpViewer::showContents() {
    setHelpFolder(m_appFolder);
    HelpWindow& window = ensureWindow();
    window.showContentsPage();
    window.showTab(HelpWindow::Tab::Contents);
    window.present();
}

void HelpViewer::showTopic(int contextId) {
    setHelpFolder(m_appFolder);
    HelpWindow& window = ensureWindow();
    window.showContext(contextId);
    window.present();
}

void HelpViewer::showSearch() {
    setHelpFolder(m_appFolder);
    HelpWindow& window = ensureWindow();
    window.showContext(help::MainWindow);
    window.showTab(HelpWindow::Tab::Search);
    window.present();
}

void HelpViewer::close() {
    if (m_window)
        m_window->close();
}

HelpWindow& HelpViewer::ensureWindow() {
    if (!m_window) {
        const std::string helpFile = m_appFolder + std::string(texts::HelpFileName);
        // An unmappable path is no file: the window then explains, naming it.
        const auto host = DriveMap::current().toHost(helpFile);
        m_window = std::make_unique<HelpWindow>(host ? QString::fromStdString(*host)
                                                     : toQString(helpFile));
    }
    return *m_window;
}

} // namespace vt
