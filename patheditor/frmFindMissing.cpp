#include "patheditor/frmFindMissing.h"

#include "common/QtText.h"
#include "companions/HelpFacility.h"
#include "patheditor/MissingFilesText.h"
#include "patheditor/PathEditorTexts.h"
#include "ui_frmFindMissing.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>

namespace vt {
namespace {

enum Column { OldColumn, NewColumn, FoundColumn, StillMissingColumn };

QTreeWidgetItem* newRow(QTreeWidget* list, const std::string& oldPath, bool ticked) {
    auto* item = new QTreeWidgetItem(list);
    item->setText(OldColumn, toQString(oldPath));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(OldColumn, ticked ? Qt::Checked : Qt::Unchecked);
    item->setTextAlignment(FoundColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(StillMissingColumn, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

void setCounts(QTreeWidgetItem* item, int found, int stillMissing) {
    item->setText(FoundColumn, toQString(countText(found)));
    item->setText(StillMissingColumn, toQString(countText(stillMissing)));
}

void setRowTip(QTreeWidgetItem* item, std::string_view tip) {
    for (int column = OldColumn; column <= StillMissingColumn; ++column)
        item->setToolTip(column, toQString(tip));
}

} // namespace

frmFindMissing::frmFindMissing(const media::MediaCheck& check, media::Proposals proposals,
                               const std::string& searchedLine, HelpFacility& help,
                               QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::frmFindMissing>()),
      m_proposals(std::move(proposals)), m_help(help),
      m_problems(check.missing + check.notMappable) {
    m_ui->setupUi(this);
    m_ui->lblSearched->setText(toQString(searchedLine));
    QTreeWidget* list = m_ui->ListProposals;
    for (const media::FolderProposal& proposal : m_proposals.folders)
        addFolderRow(proposal);
    for (const media::FileProposal& proposal : m_proposals.files)
        addFileRow(check, proposal);
    list->header()->setStretchLastSection(false);
    const int padding = list->fontMetrics().averageCharWidth() * 2;
    for (int column = OldColumn; column <= StillMissingColumn; ++column) {
        list->resizeColumnToContents(column);
        list->setColumnWidth(column, list->columnWidth(column) + padding);
    }
    // The paths are what matter; the counts keep the width of their titles.
    list->header()->setSectionResizeMode(OldColumn, QHeaderView::Interactive);
    list->header()->setSectionResizeMode(NewColumn, QHeaderView::Stretch);
    connect(list, &QTreeWidget::itemChanged, this, &frmFindMissing::showFound);
    connect(m_ui->CmdApply, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->CmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this,
            [this] { m_help.showTopic(texts::PathEditorHelp); });
    resize(QSize(760, 420) * logicalDpiX() / 96);
    showFound();
}

frmFindMissing::~frmFindMissing() = default;

void frmFindMissing::addFolderRow(const media::FolderProposal& proposal) {
    QTreeWidget* list = m_ui->ListProposals;
    QTreeWidgetItem* item = newRow(list, proposal.oldFolder, !proposal.ambiguous());
    setCounts(item, proposal.found, proposal.stillMissing);
    if (!proposal.ambiguous()) {
        item->setText(NewColumn, toQString(proposal.candidates[proposal.chosen]));
        return;
    }
    // A tie the search would not break: the user picks, and picking ticks.
    auto* choice = new QComboBox(list);
    choice->setObjectName(QStringLiteral("ComboCandidates"));
    for (const std::string& candidate : proposal.candidates)
        choice->addItem(toQString(candidate));
    choice->setToolTip(toQString(texts::AmbiguousTip));
    setRowTip(item, texts::AmbiguousTip);
    list->setItemWidget(item, NewColumn, choice);
    connect(choice, &QComboBox::activated, this,
            [item] { item->setCheckState(OldColumn, Qt::Checked); });
}

void frmFindMissing::addFileRow(const media::MediaCheck& check,
                                const media::FileProposal& proposal) {
    QTreeWidgetItem* item = newRow(m_ui->ListProposals, check.entries[proposal.entry].path, true);
    item->setText(NewColumn, toQString(proposal.newPath));
    setCounts(item, 1, 0);
    setRowTip(item, texts::OneFileTip);
}

int frmFindMissing::chosenCandidate(std::size_t folderRow) const {
    QTreeWidgetItem* item = m_ui->ListProposals->topLevelItem(static_cast<int>(folderRow));
    if (item->checkState(OldColumn) != Qt::Checked)
        return -1;
    if (const auto* choice =
            qobject_cast<QComboBox*>(m_ui->ListProposals->itemWidget(item, NewColumn)))
        return choice->currentIndex();
    return m_proposals.folders[folderRow].chosen;
}

media::Proposals frmFindMissing::chosen() const {
    media::Proposals result;
    for (std::size_t i = 0; i < m_proposals.folders.size(); ++i) {
        result.folders.push_back(m_proposals.folders[i]);
        result.folders.back().chosen = chosenCandidate(i);
    }
    const int first = static_cast<int>(m_proposals.folders.size());
    for (std::size_t i = 0; i < m_proposals.files.size(); ++i) {
        const QTreeWidgetItem* item =
            m_ui->ListProposals->topLevelItem(first + static_cast<int>(i));
        if (item->checkState(OldColumn) == Qt::Checked)
            result.files.push_back(m_proposals.files[i]);
    }
    return result;
}

void frmFindMissing::showFound() {
    const media::Proposals ticked = chosen();
    int found = static_cast<int>(ticked.files.size());
    bool anyTicked = !ticked.files.empty();
    for (const media::FolderProposal& proposal : ticked.folders) {
        if (!proposal.ambiguous()) {
            found += proposal.found;
            anyTicked = true;
        }
    }
    // Another candidate of a tie may also hold a file proposed on its own.
    m_ui->lblFound->setText(toQString(foundLine(std::min(found, m_problems), m_problems)));
    m_ui->CmdApply->setEnabled(anyTicked);
}

} // namespace vt
