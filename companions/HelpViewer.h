#pragma once

#include "common/HelpFacility.h"

#include <memory>
#include <string>

namespace vt {

class HelpWindow;

// The help facility over Qt Help. The help file is AppFolder + "VTUtil.HLP";
// its window is made on the first request and lives until the viewer goes.
// No request reports anything to the user.
class HelpViewer : public HelpFacility {
public:
    // appFolder: the program folder in Windows form, ending in a backslash.
    explicit HelpViewer(std::string appFolder);
    ~HelpViewer() override;

    void showContents() override;
    void showTopic(int contextId) override;
    void showSearch() override;
    void close() override;

    // Null until the first request.
    HelpWindow* window() const { return m_window.get(); }

private:
    HelpWindow& ensureWindow();

    std::string m_appFolder;
    std::unique_ptr<HelpWindow> m_window;
};

} // namespace vt
