#pragma once

#include "media/MediaSearch.h"

#include <QDialog>

#include <memory>
#include <string>

class QTreeWidgetItem;

namespace Ui {
class frmFindMissing;
}

namespace vt {

class HelpFacility;

// The preview of Find Missing Files: one row per proposed folder, then one
// per single file, each ticked unless the search could not choose between
// folders (then the row offers them). Apply hands back what stays ticked.
class frmFindMissing : public QDialog {
    Q_OBJECT

  public:
    frmFindMissing(const media::MediaCheck& check, media::Proposals proposals,
                   const std::string& searchedLine, HelpFacility& help, QWidget* parent = nullptr);
    ~frmFindMissing() override;

    // The proposals as ticked: an unticked folder row has no choice, an
    // unticked file row is left out.
    media::Proposals chosen() const;

  private:
    void addFolderRow(const media::FolderProposal& proposal);
    void addFileRow(const media::MediaCheck& check, const media::FileProposal& proposal);
    void showFound();
    int chosenCandidate(std::size_t folderRow) const;

    std::unique_ptr<Ui::frmFindMissing> m_ui;
    media::Proposals m_proposals;
    HelpFacility& m_help;
    int m_problems = 0; // missing and not mappable files of the show
};

} // namespace vt
