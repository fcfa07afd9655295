#pragma once

#include "common/Prompter.h"

#include <QPointer>
#include <QWidget>

namespace vt {

class HelpFacility;

// Message boxes and input boxes on Qt's dialogs, titled with the program's
// name and modal over the main window once there is one.
class MessageBoxPrompter : public Prompter {
  public:
    Answer show(const Message& message) override;
    std::string input(std::string_view prompt, std::string_view title, std::string_view initial,
                      int helpContext) override;

    // The window the boxes belong to; none before the main window exists.
    void setParentWindow(QWidget* window) { m_parent = window; }
    // Where the input box's Help button goes; no Help button without it.
    void setHelp(HelpFacility* help) { m_help = help; }

  private:
    QPointer<QWidget> m_parent;
    HelpFacility* m_help = nullptr;
};

} // namespace vt
