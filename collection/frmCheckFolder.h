#pragma once

#include "collection/ShowChecks.h"
#include "media/MediaSearch.h"
#include "patheditor/PathEditor.h"

#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class QTreeWidgetItem;

namespace Ui {
class frmCheckFolder;
}

namespace vt {

class BusyPointer;
class FileDialogs;
class HelpFacility;
class Prompter;

// What the window works through; the main window passes its own.
struct CheckFolderSeams {
    Prompter& prompter;
    FileDialogs& dialogs;
    BusyPointer& busy;
    HelpFacility& help;
    std::function<void(const std::string& windowsPath)> open; // the main window's Open
};

// "Check Slide Shows in Folder...": every show below a folder in a table
// (name, folder, slides, missing files), filled by a worker thread while the
// shows are read. Find Missing Files searches a folder once for all the
// selected shows and previews the changes; Save Fixed Shows writes the
// changed ones in place (each old one kept as a backup) or into a folder.
class frmCheckFolder : public QWidget {
    Q_OBJECT

  public:
    frmCheckFolder(std::string hostFolder, CheckFolderSeams seams, QWidget* parent = nullptr);
    ~frmCheckFolder() override;

    // Whether the worker is still reading shows.
    bool reading() const { return m_worker.joinable() && !m_finished; }

  private:
    struct ShowState {
        collection::ShowRow row;
        std::unique_ptr<PathEditor> editor; // working copies once a search changed them
        bool pending = false;               // changed and not saved yet
    };

    void startReading();
    void showFound(std::size_t total);
    void showRead(collection::ShowRow row);
    void readingEnded();
    void CmdCancel_Click();
    void CmdFindMissing_Click();
    void CmdSaveFixed_Click();
    void ListShows_DoubleClick(QTreeWidgetItem* item);
    void showRow(std::size_t show);
    void showTotals();
    void fitColumns();
    std::vector<std::size_t> selectedShows() const;
    bool loadEditor(ShowState& state);
    void applySearch(const std::vector<std::size_t>& shows);
    std::optional<media::Proposals> previewSearch(const media::MediaCheck& check,
                                                  media::NameIndex& index);
    int saveShows(const std::vector<std::size_t>& shows, const std::string& intoFolder);

    std::unique_ptr<Ui::frmCheckFolder> m_ui;
    std::string m_folder;
    std::string m_top; // the folder's own name and a slash, before each show's folder
    CheckFolderSeams m_seams;
    std::vector<ShowState> m_shows;
    std::vector<QTreeWidgetItem*> m_items; // per show
    std::size_t m_total = 0;
    std::atomic<bool> m_cancel{false};
    bool m_finished = false;
    std::thread m_worker;
};

// The File menu's command: asks for the folder and opens the window on it.
void checkShowsInFolder(const CheckFolderSeams& seams, QWidget* parent);

} // namespace vt
