#pragma once

#include "media/MediaSearch.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

class QTreeWidgetItem;

namespace Ui {
class frmFindMissing;
}

namespace vt {

class HelpFacility;

// The preview of Find Missing Files: one row per folder row with missing
// files, then one per single file, each ticked as the search proposes it.
// A row the search could not decide offers its candidates and stays
// unticked until the user picks one. Changing a folder's choice works the
// single files out again. Apply hands back what stays ticked.
class frmFindMissing : public QDialog {
    Q_OBJECT

  public:
    frmFindMissing(const media::MediaCheck& check, media::Proposals proposals,
                   const media::NameIndex& index, const std::string& searchedLine,
                   HelpFacility& help, QWidget* parent = nullptr);
    ~frmFindMissing() override;

    // The proposals with the user's ticks and choices.
    const media::Proposals& chosen() const { return m_proposals; }

  private:
    void showFolderRows();
    void showFileRows();
    void showFound();
    void rowChanged(QTreeWidgetItem* item);
    void folderPicked(std::size_t folder, int candidate);
    void filePicked(std::size_t file, int candidate);
    void rework();
    void showCandidates(QTreeWidgetItem* item, const std::vector<std::string>& candidates,
                        int chosen, const std::function<void(int)>& picked);

    std::unique_ptr<Ui::frmFindMissing> m_ui;
    const media::MediaCheck& m_check;
    media::Proposals m_proposals;
    const media::NameIndex& m_index;
    HelpFacility& m_help;
    int m_foundByFolders = 0; // missing files the ticked folder changes bring back
    bool m_filling = false;   // rows are being written, not ticked by the user
};

} // namespace vt
