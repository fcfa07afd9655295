#pragma once

#include <string>

namespace vt {

class BusyPointer;
class Prompter;
class ShellOpener;

// The World Wide Web menu: the maker's site, the product's site and the
// upgrade check, each opened in the user's browser.
class WebCommands {
public:
    WebCommands(ShellOpener& shell, BusyPointer& busy, Prompter& prompter, std::string appFolder);

    // The maker's host name, its first letter the access key.
    static std::string mnuWebTesselCaption();

    void mnuWebTessel_Click();
    void mnuWebVantora_Click();
    void mnuWebUpgrade_Click();

private:
    void openSite(const std::string& url);

    ShellOpener& m_shell;
    BusyPointer& m_busy;
    Prompter& m_prompter;
    std::string m_appFolder;
};

} // namespace vt
