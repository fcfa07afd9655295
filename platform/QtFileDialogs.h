#pragma once

#include "common/FileDialogs.h"

#include <QPointer>
#include <QWidget>

class QFileDialog;

namespace vt {

class HelpFacility;

// The slide show commands' file dialog on Qt's own (not the desktop's)
// dialog, so that it can carry a Help button and behave the same everywhere.
class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(HelpFacility& help) : m_help(help) {}

    std::optional<std::string> choose(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFolder(const FolderDialogRequest& request) override;

    void setParentWindow(QWidget* window) { m_parent = window; }
    // Starts the next dialog at `path` (Windows form), as if it had chosen it.
    void remember(std::string path) { m_last = std::move(path); }

    // OFN_ flags the commands pass.
    static constexpr int OverwritePrompt = 0x2;
    static constexpr int FileMustExist = 0x1000;

  private:
    void prepare(QFileDialog& dialog, const FileDialogRequest& request) const;
    void addHelpButton(QFileDialog& dialog, int helpContext) const;

    HelpFacility& m_help;
    QPointer<QWidget> m_parent;
    std::string m_last; // what the dialog returned last, to any command
};

} // namespace vt
