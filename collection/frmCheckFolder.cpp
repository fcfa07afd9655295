#include "collection/frmCheckFolder.h"

#include "collection/CollectionTexts.h"
#include "collection/MergedCheck.h"
#include "collection/SharedSearch.h"
#include "collection/ShowPrompters.h"
#include "common/BusyPointer.h"
#include "common/FileDialogs.h"
#include "common/HelpFacility.h"
#include "common/Numbers.h"
#include "common/Prompter.h"
#include "common/QtText.h"
#include "common/Texts.h"
#include "media/HostFolders.h"
#include "patheditor/MissingFilesText.h"
#include "patheditor/PathEditorTexts.h"
#include "patheditor/SearchProgress.h"
#include "patheditor/frmFindMissing.h"
#include "platform/DriveMap.h"
#include "ui_frmCheckFolder.h"

#include <climits>
#include <filesystem>

#include <QDir>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QShortcut>

namespace vt {
namespace {

enum Column { NameColumn, FolderColumn, SlidesColumn, MissingColumn };
constexpr int SortRole = Qt::UserRole;
constexpr int ShowRole = Qt::UserRole + 1;
constexpr QSize DrawnSize(820, 480); // at 96 dpi

// Numbers sort as numbers, a show that could not be read after every other.
class ShowItem : public QTreeWidgetItem {
  public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : NameColumn;
        if (column == SlidesColumn || column == MissingColumn)
            return data(column, SortRole).toLongLong() < other.data(column, SortRole).toLongLong();
        return text(column).localeAwareCompare(other.text(column)) < 0;
    }
};

} // namespace

frmCheckFolder::frmCheckFolder(std::string hostFolder, CheckFolderSeams seams, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::frmCheckFolder>()),
      m_folder(std::move(hostFolder)), m_seams(std::move(seams)) {
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->lblFolder->setText(QString::fromStdString(m_folder));
    const std::filesystem::path folder = std::filesystem::path(m_folder).lexically_normal();
    m_top = (folder.has_filename() ? folder.filename() : folder.parent_path().filename()).string() + "/";
    QHeaderView* header = m_ui->ListShows->header();
    header->setSectionResizeMode(FolderColumn, QHeaderView::Stretch);
    header->setStretchLastSection(false);
    m_ui->ListShows->sortByColumn(FolderColumn, Qt::AscendingOrder);
    connect(m_ui->CmdCancel, &QPushButton::clicked, this, &frmCheckFolder::CmdCancel_Click);
    connect(m_ui->CmdFindMissing, &QPushButton::clicked, this, &frmCheckFolder::CmdFindMissing_Click);
    connect(m_ui->CmdSaveFixed, &QPushButton::clicked, this, &frmCheckFolder::CmdSaveFixed_Click);
    connect(m_ui->CmdClose, &QPushButton::clicked, this, &QWidget::close);
    const auto help = [this] { m_seams.help.showTopic(texts::CheckFolderHelp); };
    connect(m_ui->CmdHelp, &QPushButton::clicked, this, help);
    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this, help);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
    connect(m_ui->ListShows, &QTreeWidget::itemDoubleClicked, this,
            &frmCheckFolder::ListShows_DoubleClick);
    resize(DrawnSize * logicalDpiX() / 96);
    showTotals();
    startReading();
}

frmCheckFolder::~frmCheckFolder() {
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

// The rows come back to this thread one by one, queued, as each show is read.
void frmCheckFolder::startReading() {
    m_ui->lblProgress->setText(toQString(texts::ReadingStart) + QStringLiteral("..."));
    // The rows may not change under a search or a save: those wait for the end.
    m_ui->CmdFindMissing->setEnabled(false);
    m_ui->barProgress->setRange(0, 0);
    m_worker = std::thread([this] {
        collection::checkShows(
            m_folder, m_cancel,
            [this](std::size_t total) {
                QMetaObject::invokeMethod(this, [this, total] { showFound(total); },
                                          Qt::QueuedConnection);
            },
            [this](collection::ShowRow row) {
                QMetaObject::invokeMethod(
                    this, [this, row = std::move(row)]() mutable { showRead(std::move(row)); },
                    Qt::QueuedConnection);
            });
        QMetaObject::invokeMethod(this, &frmCheckFolder::readingEnded, Qt::QueuedConnection);
    });
}

void frmCheckFolder::showFound(std::size_t total) {
    m_total = total;
    m_ui->barProgress->setRange(0, static_cast<int>(total));
}

void frmCheckFolder::showRead(collection::ShowRow row) {
    m_shows.push_back({std::move(row), nullptr, false});
    const std::size_t show = m_shows.size() - 1;
    auto* item = new ShowItem;
    item->setData(NameColumn, ShowRole, static_cast<qulonglong>(show));
    item->setTextAlignment(SlidesColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(MissingColumn, Qt::AlignRight | Qt::AlignVCenter);
    m_items.push_back(item);
    showRow(show);
    m_ui->ListShows->addTopLevelItem(item);
    m_ui->barProgress->setValue(static_cast<int>(m_shows.size()));
    m_ui->lblProgress->setText(
        toQString(joinedText({texts::ReadingStart, formatCount(static_cast<long long>(m_shows.size())),
                              texts::ReadingOf, formatCount(static_cast<long long>(m_total)), ": "})) +
        QString::fromStdString(m_shows.back().row.show.relative));
    if (m_shows.size() % 100 == 1)
        fitColumns(); // now and then: measuring every row each time would not scale
    showTotals();
}

void frmCheckFolder::readingEnded() {
    m_finished = true;
    if (m_worker.joinable())
        m_worker.join();
    const std::string count = m_shows.empty() ? "0" : formatCount(static_cast<long long>(m_shows.size()));
    m_ui->lblProgress->setText(
        toQString(joinedText({m_cancel ? texts::ReadStopped : texts::ReadDone, count})));
    m_ui->barProgress->setRange(0, 1);
    m_ui->barProgress->setValue(1);
    m_ui->CmdCancel->setEnabled(false);
    m_ui->CmdFindMissing->setEnabled(true);
    fitColumns();
    showTotals();
}

void frmCheckFolder::fitColumns() {
    for (int column : {NameColumn, SlidesColumn, MissingColumn})
        m_ui->ListShows->resizeColumnToContents(column);
}

// The worker stops before the next show: within a second.
void frmCheckFolder::CmdCancel_Click() {
    m_cancel = true;
    m_ui->CmdCancel->setEnabled(false);
}

void frmCheckFolder::showRow(std::size_t show) {
    const ShowState& state = m_shows[show];
    const collection::ShowRow& row = state.row;
    QTreeWidgetItem* item = m_items[show];
    // Host names as they are: a name the show's code page lacks still reads.
    const std::string& relative = row.show.relative;
    const auto slash = relative.rfind('/') + 1; // 0 when there is none
    item->setText(NameColumn, QString::fromStdString(relative.substr(slash)));
    item->setText(FolderColumn, QString::fromStdString(m_top + relative.substr(0, slash)));
    item->setToolTip(NameColumn, QString::fromStdString(row.show.host));
    item->setText(SlidesColumn, row.read ? toQString(formatCount(row.slides).empty() ? "0" : formatCount(row.slides)) : QString());
    item->setData(SlidesColumn, SortRole, row.read ? row.slides : -1);
    item->setText(MissingColumn, row.read ? toQString(row.missing ? formatCount(row.missing) : "0")
                                          : toQString(texts::Unreadable));
    item->setData(MissingColumn, SortRole, row.read ? row.missing : INT_MAX);
    item->setToolTip(MissingColumn, state.pending  ? toQString(texts::FixedTip)
                                    : row.read     ? QString()
                                                   : toDisplayText(row.problem));
    QFont font = item->font(NameColumn);
    font.setBold(state.pending);
    item->setFont(NameColumn, font);
}

void frmCheckFolder::showTotals() {
    long long slides = 0, missing = 0, unreadable = 0;
    int pending = 0;
    for (const ShowState& state : m_shows) {
        slides += state.row.slides;
        missing += state.row.missing;
        unreadable += state.row.read ? 0 : 1;
        pending += state.pending ? 1 : 0;
    }
    const auto count = [](long long value) { return value == 0 ? std::string("0") : formatCount(value); };
    m_ui->lblTotal->setText(toQString(joinedText(
        {texts::TotalShows, count(static_cast<long long>(m_shows.size())), texts::TotalSlides,
         count(slides), texts::TotalMissing, count(missing), texts::TotalUnreadable, count(unreadable)})));
    m_ui->lblPending->setText(pending ? toQString(joinedText({texts::PendingStart, count(pending)}))
                                      : QString());
    m_ui->CmdSaveFixed->setEnabled(pending > 0 && m_finished);
}

std::vector<std::size_t> frmCheckFolder::selectedShows() const {
    std::vector<std::size_t> shows;
    for (QTreeWidgetItem* item : m_ui->ListShows->selectedItems()) {
        const auto show = item->data(NameColumn, ShowRole).toULongLong();
        if (m_shows[show].row.read)
            shows.push_back(show);
    }
    std::sort(shows.begin(), shows.end());
    return shows;
}

void frmCheckFolder::ListShows_DoubleClick(QTreeWidgetItem* item) {
    const auto show = item->data(NameColumn, ShowRole).toULongLong();
    if (m_seams.open)
        m_seams.open(collection::windowsPathOf(m_shows[show].row.show.host));
}

// A show's working copies: kept from an earlier search, or read afresh.
bool frmCheckFolder::loadEditor(ShowState& state) {
    if (state.editor)
        return true;
    auto model = std::make_unique<SlideShowModel>();
    collection::FileStamp stamp;
    if (!collection::loadShow(state.row.show.host, *model, stamp, m_seams.prompter))
        return false;
    state.row.stamp = stamp;
    state.editor = std::make_unique<PathEditor>(*model);
    return true;
}

void frmCheckFolder::CmdFindMissing_Click() {
    if (!m_seams.busy.isDefault())
        return;
    std::vector<std::size_t> shows = selectedShows();
    if (shows.empty()) {
        m_seams.prompter.inform(std::string(texts::SelectShowsFirst));
        return;
    }
    applySearch(shows);
    showTotals();
}

// One walk and one preview for all the shows; each gets its share of the
// changes the user keeps.
void frmCheckFolder::applySearch(const std::vector<std::size_t>& chosen) {
    m_seams.busy.setHourglass();
    m_seams.busy.processPending();
    std::vector<std::size_t> shows;
    std::vector<media::MediaCheck> checks;
    media::FolderCache folders;
    for (std::size_t show : chosen) {
        if (!loadEditor(m_shows[show]))
            continue;
        shows.push_back(show);
        checks.push_back(media::checkMedia(*m_shows[show].editor, folders));
    }
    m_seams.busy.setDefault();
    std::vector<const media::MediaCheck*> parts;
    for (const media::MediaCheck& check : checks)
        parts.push_back(&check);
    const collection::MergedCheck merged = collection::mergeChecks(parts);
    if (merged.check.allFound()) {
        m_seams.prompter.inform(std::string(texts::NothingMissingInShows));
        return;
    }
    media::NameIndex index;
    const std::optional<media::Proposals> kept = previewSearch(merged.check, index);
    if (!kept)
        return;
    collection::OnceEach once(m_seams.prompter);
    for (std::size_t i = 0; i < shows.size(); ++i) {
        ShowState& state = m_shows[shows[i]];
        const media::Proposals own = collection::proposalsFor(merged, *kept, i);
        if (media::applyProposals(*state.editor, checks[i], own, once) == 0)
            continue;
        state.pending = true;
        state.row.missing = collection::problemCount(media::checkMedia(*state.editor, folders));
        showRow(shows[i]);
    }
}

// Asks for the folder to search, walks it into the index and shows what it
// would change; what the user keeps, or nullopt.
std::optional<media::Proposals> frmCheckFolder::previewSearch(const media::MediaCheck& check,
                                                              media::NameIndex& index) {
    const std::optional<std::string> folder = m_seams.dialogs.chooseFolder(
        {std::string(texts::SearchFolderTitle), QDir::homePath().toStdString(), texts::PathEditorHelp});
    if (!folder)
        return std::nullopt;
    if (const std::string problem = searchFolderProblem(*folder); !problem.empty()) {
        m_seams.prompter.warn(problem);
        return std::nullopt;
    }
    media::WalkSummary summary;
    if (!walkWithProgress(this, *folder, nameIndexWalk(), index, summary))
        return std::nullopt;
    if (!summary.badRoots.empty()) {
        m_seams.prompter.warn(unreadableFolderMessage(*folder));
        return std::nullopt;
    }
    media::Proposals proposals = media::propose(check, index);
    if (proposals.files.empty() &&
        std::none_of(proposals.folders.begin(), proposals.folders.end(),
                     [](const media::FolderProposal& p) { return !p.candidates.empty(); })) {
        m_seams.prompter.inform(nothingFoundMessage(*folder, summary));
        return std::nullopt;
    }
    frmFindMissing preview(check, std::move(proposals), index,
                           walkSummaryLine(*folder, summary), m_seams.help, this);
    if (auto* intro = preview.findChild<QLabel*>(QStringLiteral("lblIntro")))
        intro->setText(toQString(texts::PreviewIntro));
    if (preview.exec() != QDialog::Accepted)
        return std::nullopt;
    return preview.chosen();
}

void frmCheckFolder::CmdSaveFixed_Click() {
    if (!m_seams.busy.isDefault())
        return;
    std::vector<std::size_t> pending;
    for (std::size_t show = 0; show < m_shows.size(); ++show) {
        if (m_shows[show].pending)
            pending.push_back(show);
    }
    std::string into;
    if (m_ui->OptionIntoFolder->isChecked()) {
        const auto folder = m_seams.dialogs.chooseFolder(
            {std::string(texts::SaveIntoTitle), m_folder, texts::CheckFolderHelp});
        if (!folder)
            return;
        into = *folder;
    }
    m_seams.busy.setHourglass();
    m_seams.busy.processPending();
    const int saved = saveShows(pending, into);
    showTotals();
    m_seams.busy.setDefault();
    std::string text = joinedText({texts::SavedStart, saved ? formatCount(saved) : "0"});
    if (saved > 0)
        text += joinedText({BlankLine, into.empty() ? texts::SavedInPlaceHint : texts::SavedIntoStart,
                        into.empty() ? "" : collection::windowsPathOf(into), into.empty() ? "" : "."});
    m_seams.prompter.inform(std::move(text));
}

// Each show is read again, gets its working copies and is written; one
// changed on the disk since the search is left alone.
int frmCheckFolder::saveShows(const std::vector<std::size_t>& shows, const std::string& intoFolder) {
    collection::SaveRequest request;
    if (!intoFolder.empty())
        request = {collection::SaveRequest::Mode::IntoFolder, intoFolder};
    collection::OnceEach once(m_seams.prompter);
    auto model = std::make_unique<SlideShowModel>();
    int saved = 0;
    for (std::size_t show : shows) {
        ShowState& state = m_shows[show];
        collection::FileStamp stamp;
        if (!collection::loadShow(state.row.show.host, *model, stamp, once))
            continue;
        if (stamp != state.row.stamp) {
            once.warn(joinedText({texts::ChangedSinceRead, BlankLine, collection::windowsPathOf(state.row.show.host)}));
            continue;
        }
        state.editor->commit(*model);
        if (!collection::saveShow(*model, state.row.show, stamp, request, once).saved)
            continue;
        ++saved;
        state.pending = false;
        state.editor.reset();
        state.row.stamp = collection::stampOf(state.row.show.host).value_or(stamp);
        showRow(show);
    }
    return saved;
}

void checkShowsInFolder(const CheckFolderSeams& seams, QWidget* parent) {
    const auto folder = seams.dialogs.chooseFolder({std::string(texts::CheckFolderChooseTitle),
                                                    QDir::homePath().toStdString(),
                                                    texts::CheckFolderHelp});
    if (!folder)
        return;
    auto* window = new frmCheckFolder(*folder, seams, parent);
    window->show();
}

} // namespace vt
