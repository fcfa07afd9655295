#include "patheditor/frmFindMissing.h"

#include "common/HelpFacility.h"
#include "common/QtText.h"
#include "patheditor/MissingFilesText.h"
#include "patheditor/PathEditorTexts.h"
#include "ui_frmFindMissing.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>

#include <algorithm>

namespace vt {
namespace {

enum Column { OldColumn, NewColumn, FoundColumn, StillMissingColumn };

constexpr QSize DrawnSize(760, 420); // at 96 dpi

void setRowTip(QTreeWidgetItem* item, std::string_view tip) {
    for (int column = OldColumn; column <= StillMissingColumn; ++column)
        item->setToolTip(column, toQString(tip));
}

// Every row as tall as one with a choice box, so that the rows stay even.
class EvenRows : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), m_height));
        return size;
    }

  private:
    int m_height = QComboBox().sizeHint().height();
};

QTreeWidgetItem* newRow(QTreeWidget* list, const std::string& oldPath) {
    auto* item = new QTreeWidgetItem(list);
    item->setText(OldColumn, toQString(oldPath));
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(FoundColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(StillMissingColumn, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

void makeTickable(QTreeWidgetItem* item, bool ticked) {
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(OldColumn, ticked ? Qt::Checked : Qt::Unchecked);
}

// A file proposal that a folder change already counts for.
bool countedByFolders(const media::MediaCheck& check, const media::Proposals& proposals,
                      const media::FileProposal& file) {
    if (file.keep || !file.apply || file.chosen < 0)
        return false;
    const std::size_t row = check.entries[file.entry].row;
    for (const media::FolderProposal& folder : proposals.folders) {
        if (folder.row == row)
            return true;
    }
    return false;
}

} // namespace

frmFindMissing::frmFindMissing(const media::MediaCheck& check, media::Proposals proposals,
                               const media::NameIndex& index, const std::string& searchedLine,
                               HelpFacility& help, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::frmFindMissing>()), m_check(check),
      m_proposals(std::move(proposals)), m_index(index), m_help(help) {
    m_ui->setupUi(this);
    m_ui->lblSearched->setText(toQString(searchedLine));
    QTreeWidget* list = m_ui->ListProposals;
    list->setItemDelegate(new EvenRows(list));
    connect(list, &QTreeWidget::itemChanged, this, &frmFindMissing::rowChanged);
    connect(m_ui->CmdApply, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->CmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this,
            [this] { m_help.showTopic(texts::PathEditorHelp); });
    rework();

    list->header()->setStretchLastSection(false);
    const int padding = list->fontMetrics().averageCharWidth() * 2;
    for (int column = OldColumn; column <= StillMissingColumn; ++column) {
        list->resizeColumnToContents(column);
        list->setColumnWidth(column, list->columnWidth(column) + padding);
    }
    // The new paths get what is left; the counts keep the width of their titles.
    list->header()->setSectionResizeMode(NewColumn, QHeaderView::Stretch);
    resize(DrawnSize * logicalDpiX() / 96);
}

frmFindMissing::~frmFindMissing() = default;

// Works the single files and the folders' counts out again for the folder
// rows as they are ticked and chosen now.
void frmFindMissing::rework() {
    media::proposeFiles(m_proposals, m_check, m_index);
    m_foundByFolders = 0;
    for (const media::FolderProposal& folder : m_proposals.folders)
        m_foundByFolders += folder.found;
    for (const media::FileProposal& file : m_proposals.files) {
        if (countedByFolders(m_check, m_proposals, file))
            --m_foundByFolders;
    }
    m_filling = true;
    m_ui->ListProposals->clear();
    showFolderRows();
    showFileRows();
    m_filling = false;
    showFound();
}

// One candidate as text; several in a box whose pick goes to picked.
void frmFindMissing::showCandidates(QTreeWidgetItem* item,
                                    const std::vector<std::string>& candidates, int chosen,
                                    const std::function<void(int)>& picked) {
    if (candidates.size() == 1) {
        item->setText(NewColumn, toQString(candidates.front()));
        return;
    }
    auto* choice = new QComboBox;
    choice->setObjectName(QStringLiteral("ComboCandidates"));
    for (const std::string& candidate : candidates)
        choice->addItem(toQString(candidate));
    choice->setCurrentIndex(std::max(chosen, 0));
    m_ui->ListProposals->setItemWidget(item, NewColumn, choice);
    connect(choice, &QComboBox::activated, this, picked);
}

void frmFindMissing::showFolderRows() {
    for (std::size_t i = 0; i < m_proposals.folders.size(); ++i) {
        const media::FolderProposal& proposal = m_proposals.folders[i];
        QTreeWidgetItem* item = newRow(m_ui->ListProposals, proposal.oldFolder);
        item->setText(FoundColumn, toQString(countText(proposal.found)));
        item->setText(StillMissingColumn, toQString(countText(proposal.stillMissing)));
        if (proposal.candidates.empty()) {
            item->setText(NewColumn, toQString(texts::FolderNotFound));
            continue;
        }
        makeTickable(item, proposal.apply);
        if (proposal.ambiguous())
            setRowTip(item, texts::AmbiguousTip);
        showCandidates(item, proposal.candidates, proposal.chosen,
                       [this, i](int candidate) { folderPicked(i, candidate); });
    }
}

void frmFindMissing::showFileRows() {
    for (std::size_t i = 0; i < m_proposals.files.size(); ++i) {
        const media::FileProposal& proposal = m_proposals.files[i];
        QTreeWidgetItem* item =
            newRow(m_ui->ListProposals, m_check.entries[proposal.entry].path);
        makeTickable(item, proposal.apply);
        setRowTip(item, proposal.keep        ? texts::KeepFileTip
                        : proposal.ambiguous() ? texts::AmbiguousFileTip
                                               : texts::OneFileTip);
        showCandidates(item, proposal.candidates, proposal.chosen,
                       [this, i](int candidate) { filePicked(i, candidate); });
    }
}

// Picking a candidate ticks its row.
void frmFindMissing::folderPicked(std::size_t folder, int candidate) {
    m_proposals.folders[folder].chosen = candidate;
    m_proposals.folders[folder].apply = true;
    // Queued: the rows are written anew, the box that was picked from too.
    QMetaObject::invokeMethod(this, &frmFindMissing::rework, Qt::QueuedConnection);
}

void frmFindMissing::filePicked(std::size_t file, int candidate) {
    m_proposals.files[file].chosen = candidate;
    m_proposals.files[file].apply = true;
    m_ui->ListProposals->topLevelItem(static_cast<int>(m_proposals.folders.size() + file))
        ->setCheckState(OldColumn, Qt::Checked);
}

void frmFindMissing::rowChanged(QTreeWidgetItem* item) {
    if (m_filling)
        return;
    const auto row = static_cast<std::size_t>(m_ui->ListProposals->indexOfTopLevelItem(item));
    const bool ticked = item->checkState(OldColumn) == Qt::Checked;
    // A tie ticked without a pick takes the candidate its box shows.
    const auto* choice = qobject_cast<QComboBox*>(m_ui->ListProposals->itemWidget(item, NewColumn));
    const int shown = choice ? choice->currentIndex() : 0;
    if (row < m_proposals.folders.size()) {
        media::FolderProposal& folder = m_proposals.folders[row];
        if (folder.apply == ticked)
            return;
        folder.apply = ticked;
        if (ticked && folder.chosen < 0)
            folder.chosen = shown;
        // Queued, as a pick is: the row must outlive its own signal.
        QMetaObject::invokeMethod(this, &frmFindMissing::rework, Qt::QueuedConnection);
        return;
    }
    media::FileProposal& file = m_proposals.files[row - m_proposals.folders.size()];
    file.apply = ticked;
    if (ticked && file.chosen < 0)
        file.chosen = shown;
    showFound();
}

void frmFindMissing::showFound() {
    int found = m_foundByFolders;
    bool anyTicked = false;
    for (const media::FolderProposal& folder : m_proposals.folders)
        anyTicked = anyTicked || (folder.apply && folder.chosen >= 0);
    for (const media::FileProposal& file : m_proposals.files) {
        if (file.apply && file.chosen >= 0) {
            anyTicked = true;
            found += file.keep ? 0 : 1;
        }
    }
    const int problems = m_check.missing + m_check.notMappable;
    m_ui->lblFound->setText(toQString(foundLine(std::min(found, problems), problems)));
    m_ui->CmdApply->setEnabled(anyTicked);
}

} // namespace vt
