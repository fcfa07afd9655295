#pragma once

#include "pack/Pack.h"

#include <QDialog>

#include <atomic>
#include <string>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vt {

class BusyPointer;
class FileDialogs;
class HelpFacility;
class Prompter;

// Runs a planned pack on a thread of its own behind a modal dialog that
// shows the files and bytes copied. Cancel, Esc and the close box stop the
// copy; the dialog closes once the pack has removed what it wrote. F1 shows
// the pack's help topic.
class PackProgress : public QDialog {
    Q_OBJECT
  public:
    PackProgress(const pack::PackPlan& plan, HelpFacility& help, QWidget* parent = nullptr);
    ~PackProgress() override;

    // Shows the dialog until the pack has finished.
    pack::PackResult run();

    void reject() override;

  private:
    void refresh();
    void finished();

    const pack::PackPlan& m_plan;
    pack::PackProgress m_progress;
    pack::PackResult m_result;
    std::thread m_worker;
    std::atomic<bool> m_refreshPending{false};
    QLabel* m_files;
    QLabel* m_bytes;
    QProgressBar* m_bar;
    QPushButton* m_cancel;
};

// The window's "Pack Slide Show..." command: asks for a folder, plans the
// pack of model, copies with the progress dialog and shows the summary.
struct PackSeams {
    FileDialogs& dialogs;
    Prompter& prompter;
    BusyPointer& busy;
    HelpFacility& help;
};
void packSlideShow(const SlideShowModel& model, const std::string& showPath,
                   const PackSeams& seams, QWidget* parent);

} // namespace vt
