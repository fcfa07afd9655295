#include "patheditor/frmEditPath.h"

#include "common/BusyPointer.h"
#include "common/FileDialogs.h"
#include "common/FormGeometry.h"
#include "common/HelpFacility.h"
#include "common/Pictures.h"
#include "common/Prompter.h"
#include "common/QtText.h"
#include "media/MediaSearch.h"
#include "patheditor/MissingFilesText.h"
#include "patheditor/PathEditorTexts.h"
#include "patheditor/frmFindMissing.h"
#include "ui_frmEditPath.h"

#include <QDir>
#include <QEvent>
#include <QPixmap>
#include <QRegularExpression>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

namespace vt {
namespace {

QStringList toQStrings(const std::vector<std::string>& rows) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(rows.size()));
    for (const std::string& row : rows)
        list.append(toQString(row));
    return list;
}

// The row is replaced as a new row would be: one that was selected is no
// longer, so the next Modify asks for a row again.
void replaceRow(QListWidget* list, int row, const std::vector<std::string>& rows) {
    if (row < 0)
        return;
    QListWidgetItem* item = list->item(row);
    if (item->isSelected())
        list->clearSelection();
    item->setText(toQString(rows[static_cast<std::size_t>(row)]));
}

// After Find Missing Files every row may have changed, and a single-file
// change may have brought a new folder.
void showRows(QListWidget* list, const std::vector<std::string>& rows) {
    if (list->count() != static_cast<int>(rows.size())) {
        list->clear();
        list->addItems(toQStrings(rows));
        return;
    }
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() != toQString(rows[static_cast<std::size_t>(row)]))
            replaceRow(list, row, rows);
    }
}

// "C:\Pics\, Files: 12, Missing: 3": the row and the counts of its tip.
QString markedRowText(const QString& row, const QString& tip) {
    static const QRegularExpression gaps(QStringLiteral("\\s{2,}"));
    QString counts = tip.section(QLatin1Char('\n'), 0, 0).trimmed();
    return row + QStringLiteral(", ") + counts.replace(gaps, QStringLiteral(", "));
}

// A row with a tip gets the mark; the others of a list with marks get an
// empty picture of the same size, so that the folder texts stay in line.
void markRows(QListWidget* list, const std::vector<QString>& tips, const QIcon& mark) {
    const bool anyMarked =
        std::any_of(tips.begin(), tips.end(), [](const QString& tip) { return !tip.isEmpty(); });
    QPixmap empty(list->iconSize());
    empty.fill(Qt::transparent);
    const QIcon blank = anyMarked ? QIcon(empty) : QIcon();
    // One repaint for the whole list: the marks change no row's size.
    {
        const QSignalBlocker quiet(list->model());
        for (int row = 0; row < list->count(); ++row) {
            const QString& tip = tips[static_cast<std::size_t>(row)];
            QListWidgetItem* item = list->item(row);
            item->setIcon(tip.isEmpty() ? blank : mark);
            item->setToolTip(tip);
            // A screen reader cannot see the mark: the counts go with the row.
            item->setData(Qt::AccessibleTextRole,
                          tip.isEmpty() ? QVariant() : QVariant(markedRowText(item->text(), tip)));
            item->setData(Qt::AccessibleDescriptionRole,
                          tip.isEmpty() ? QVariant() : QVariant(tip));
        }
    }
    list->viewport()->update();
}

} // namespace

frmEditPath::frmEditPath(SlideShowModel& model, Prompter& prompter, BusyPointer& pointer,
                         HelpFacility& help, FileDialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::frmEditPath>()), m_model(model),
      m_prompter(prompter), m_pointer(pointer), m_help(help), m_dialogs(dialogs),
      m_editor(model) {
    m_ui->setupUi(this);
    m_ui->CmdHelp->setIcon(helpPicture());
    placeAtScreenDpi(*this);
    // The boxes tell by their focus which one Modify works on.
    m_ui->TextSound->installEventFilter(this);
    const int markSide = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    for (QListWidget* list : {m_ui->ListSlide, m_ui->ListTexture, m_ui->ListSound}) {
        list->setIconSize(QSize(markSide, markSide)); // a mark no taller than the text
        list->installEventFilter(this);
        connect(list, &QListWidget::itemDoubleClicked, this, &frmEditPath::CmdModify_Click);
    }
    connect(m_ui->CmdModify, &QPushButton::clicked, this, &frmEditPath::CmdModify_Click);
    connect(m_ui->CmdFindMissing, &QPushButton::clicked, this,
            &frmEditPath::CmdFindMissing_Click);
    connect(m_ui->TextSound, &QLineEdit::editingFinished, this,
            &frmEditPath::TextSound_EditingFinished);
    m_soundMark = m_ui->TextSound->addAction(style()->standardIcon(QStyle::SP_MessageBoxWarning),
                                             QLineEdit::TrailingPosition);
    m_soundMark->setObjectName(QStringLiteral("TextSoundMark"));
    m_soundMark->setVisible(false);
    connect(m_ui->CmdOK, &QPushButton::clicked, this, &frmEditPath::CmdOK_Click);
    connect(m_ui->CmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->CmdHelp, &QPushButton::clicked, this, &frmEditPath::CmdHelp_Click);
    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this,
            &frmEditPath::CmdHelp_Click);
    Form_Load();
}

frmEditPath::~frmEditPath() = default;

void frmEditPath::Form_Load() {
    // The 260 limit is for typing; a longer path from the file stays whole.
    const QString mainSound = toQString(m_editor.TextSound);
    m_ui->TextSound->setMaxLength(
        std::max(m_ui->TextSound->maxLength(), static_cast<int>(mainSound.size())));
    m_ui->TextSound->setText(mainSound);
    m_ui->TextSound->setEnabled(m_editor.TextSoundEnabled);
    m_ui->ListSlide->addItems(toQStrings(m_editor.ListSlide));
    m_ui->ListTexture->addItems(toQStrings(m_editor.ListTexture));
    m_ui->ListSound->addItems(toQStrings(m_editor.ListSound));
    showMarks();
    m_pointer.setDefault();
}

bool frmEditPath::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_ui->ListSlide)
            m_editor.SelectedBox = SlideBox;
        else if (watched == m_ui->ListTexture)
            m_editor.SelectedBox = TextureBox;
        else if (watched == m_ui->ListSound)
            m_editor.SelectedBox = SoundBox;
        else if (watched == m_ui->TextSound)
            TextSound_GotFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void frmEditPath::TextSound_GotFocus() {
    m_ui->TextSound->selectAll();
    m_editor.SelectedBox = MainSoundBox;
}

QListWidget* frmEditPath::selectedList() const {
    switch (m_editor.SelectedBox) {
    case SlideBox:
        return m_ui->ListSlide;
    case TextureBox:
        return m_ui->ListTexture;
    case SoundBox:
        return m_ui->ListSound;
    default:
        return nullptr;
    }
}

int frmEditPath::selectedRow() const {
    const QListWidget* list = selectedList();
    if (!list)
        return -1;
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void frmEditPath::CmdModify_Click() {
    m_editor.TextSound = fromQString(m_ui->TextSound->text());
    if (const auto rows = m_editor.modify(selectedRow(), m_prompter, m_pointer)) {
        showReplacedRows(*rows);
        showMarks();
    }
}

void frmEditPath::TextSound_EditingFinished() {
    const std::string text = fromQString(m_ui->TextSound->text());
    if (text == m_editor.TextSound)
        return;
    m_editor.TextSound = text;
    showMarks();
}

void frmEditPath::showReplacedRows(const ReplacedRows& rows) {
    replaceRow(m_ui->ListSlide, rows.slide, m_editor.ListSlide);
    replaceRow(m_ui->ListTexture, rows.texture, m_editor.ListTexture);
    replaceRow(m_ui->ListSound, rows.sound, m_editor.ListSound);
}

void frmEditPath::showEditorRows() {
    showRows(m_ui->ListSlide, m_editor.ListSlide);
    showRows(m_ui->ListTexture, m_editor.ListTexture);
    showRows(m_ui->ListSound, m_editor.ListSound);
    if (m_ui->TextSound->text() != toQString(m_editor.TextSound))
        m_ui->TextSound->setText(toQString(m_editor.TextSound));
}

// The row texts stay as they are, so that Modify finds them; only a picture
// and a tooltip tell what is missing.
void frmEditPath::showMarks() {
    m_check = media::checkMedia(m_editor);
    QListWidget* lists[] = {m_ui->ListSlide, m_ui->ListTexture, m_ui->ListSound};
    std::vector<QString> tips[3];
    for (int box = SlideBox; box <= SoundBox; ++box)
        tips[box].resize(static_cast<std::size_t>(lists[box]->count()));
    QString soundTip;
    for (const media::FolderRowCheck& row : m_check.rows) {
        if (row.problems.empty())
            continue;
        QString tip = toDisplayText(rowMarkTip(m_check, row));
        if (row.box == MainSoundBox)
            soundTip = std::move(tip);
        else if (row.box >= SlideBox && row.box <= SoundBox &&
                 row.row < lists[row.box]->count())
            tips[row.box][static_cast<std::size_t>(row.row)] = std::move(tip);
    }
    const QIcon mark = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (int box = SlideBox; box <= SoundBox; ++box)
        markRows(lists[box], tips[box], mark);
    m_soundMark->setToolTip(soundTip);
    m_ui->TextSound->setAccessibleDescription(soundTip);
    m_soundMark->setVisible(!soundTip.isEmpty());
    m_ui->lblFileTotals->setText(toQString(checkTotalsLine(m_check)));
}

void frmEditPath::CmdFindMissing_Click() {
    if (!m_pointer.isDefault())
        return;
    m_editor.TextSound = fromQString(m_ui->TextSound->text());
    showMarks();
    if (m_check.allFound()) {
        m_prompter.inform(std::string(texts::NothingMissing));
        return;
    }
    const std::optional<std::string> folder = m_dialogs.chooseFolder(
        {std::string(texts::SearchFolderTitle), QDir::homePath().toStdString(),
         texts::PathEditorHelp});
    if (!folder)
        return;
    if (const std::string problem = searchFolderProblem(*folder); !problem.empty()) {
        m_prompter.warn(problem);
        return;
    }
    if (const std::optional<media::Proposals> chosen = searchFolder(*folder)) {
        m_pointer.setHourglass();
        media::applyProposals(m_editor, m_check, *chosen, m_prompter);
        showEditorRows();
        showMarks();
        m_pointer.setDefault();
    }
}

// Walks the folder and shows what it would change; what the user keeps, or
// nullopt when there is nothing to apply.
std::optional<media::Proposals> frmEditPath::searchFolder(const std::string& hostRoot) {
    media::NameIndex index;
    media::WalkSummary summary;
    if (!walkWithProgress(this, hostRoot, m_walk, index, summary))
        return std::nullopt;
    if (!summary.badRoots.empty()) {
        m_prompter.warn(unreadableFolderMessage(hostRoot));
        return std::nullopt;
    }
    media::Proposals proposals = media::propose(m_check, index);
    const bool anyFolder =
        std::any_of(proposals.folders.begin(), proposals.folders.end(),
                    [](const media::FolderProposal& p) { return !p.candidates.empty(); });
    if (!anyFolder && proposals.files.empty()) {
        m_prompter.inform(nothingFoundMessage(hostRoot, summary));
        return std::nullopt;
    }
    frmFindMissing preview(m_check, std::move(proposals), index,
                           walkSummaryLine(hostRoot, summary), m_help, this);
    if (preview.exec() != QDialog::Accepted)
        return std::nullopt;
    return preview.chosen();
}

void frmEditPath::CmdOK_Click() {
    if (!m_pointer.isDefault())
        return;
    m_pointer.setHourglass();
    m_pointer.processPending();
    emit filePathsSaved();
    m_editor.TextSound = fromQString(m_ui->TextSound->text());
    m_editor.TextSoundEnabled = m_ui->TextSound->isEnabled();
    m_editor.commit(m_model);
    accept();
}

void frmEditPath::CmdHelp_Click() {
    m_help.showTopic(texts::PathEditorHelp);
}

// Every way of closing ends here; only OK has written anything back.
void frmEditPath::done(int result) {
    m_pointer.setHourglass();
    m_pointer.processPending();
    QDialog::done(result);
}

} // namespace vt
