#include "companions/WebCommands.h"

#include "common/BusyPointer.h"
#include "common/Prompter.h"
#include "common/Texts.h"
#include "companions/CompanionCommands.h"
#include "companions/CompanionTexts.h"

namespace vt {

using namespace companions;

namespace {

std::string productUrl(std::string_view pathAndQuery) {
    return std::string(WebScheme) + std::string(ProductHost) + std::string(pathAndQuery);
}

} // namespace

WebCommands::WebCommands(ShellOpener& shell, BusyPointer& busy, Prompter& prompter,
                         std::string appFolder)
    : m_shell(shell), m_busy(busy), m_prompter(prompter), m_appFolder(std::move(appFolder)) {}

std::string WebCommands::mnuWebTesselCaption() {
    return "&" + std::string(MakerHost);
}

void WebCommands::mnuWebTessel_Click() {
    openSite(std::string(WebScheme) + std::string(MakerHost));
}

void WebCommands::mnuWebVantora_Click() {
    openSite(productUrl(ProductPath));
}

// The query is the version this check has always asked about, whatever our
// own version is.
void WebCommands::mnuWebUpgrade_Click() {
    if (!m_busy.isDefault())
        return;
    const std::string question = std::string(ProgramTitle) + std::string(UpgradeQuestion) +
                                 std::string(BlankLine) + std::string(UpgradeNote) +
                                 std::string(NewLine) + std::string(UpgradeNeeds) +
                                 std::string(BlankLine) + std::string(UpgradeNow);
    if (!m_prompter.askYesNo(question))
        return;
    const std::string url = productUrl(std::string(UpgradePath) + std::string(UpgradeQuery));
    openOrWarn(m_shell, m_prompter, url, m_appFolder,
               std::string(UpgradeFailed) + std::string(NewLine) + url);
}

void WebCommands::openSite(const std::string& url) {
    openOrWarn(m_shell, m_prompter, url, m_appFolder,
               std::string(SiteFailed) + std::string(NewLine) + url);
}

} // namespace vt
