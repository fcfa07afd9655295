#include "patheditor/frmEditPath.h"

#include "common/BusyPointer.h"
#include "common/FormGeometry.h"
#include "common/Pictures.h"
#include "common/QtText.h"
#include "companions/HelpFacility.h"
#include "patheditor/PathEditorTexts.h"
#include "ui_frmEditPath.h"

#include <QEvent>
#include <QShortcut>

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

} // namespace

frmEditPath::frmEditPath(SlideShowModel& model, Prompter& prompter, BusyPointer& pointer,
                         HelpFacility& help, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::frmEditPath>()), m_model(model),
      m_prompter(prompter), m_pointer(pointer), m_help(help), m_editor(model) {
    m_ui->setupUi(this);
    m_ui->CmdHelp->setIcon(helpPicture());
    placeAtScreenDpi(*this);
    // The boxes tell by their focus which one Modify works on.
    m_ui->TextSound->installEventFilter(this);
    for (QListWidget* list : {m_ui->ListSlide, m_ui->ListTexture, m_ui->ListSound}) {
        list->installEventFilter(this);
        connect(list, &QListWidget::itemDoubleClicked, this, &frmEditPath::CmdModify_Click);
    }
    connect(m_ui->CmdModify, &QPushButton::clicked, this, &frmEditPath::CmdModify_Click);
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
    if (const auto rows = m_editor.modify(selectedRow(), m_prompter, m_pointer))
        showReplacedRows(*rows);
}

void frmEditPath::showReplacedRows(const ReplacedRows& rows) {
    replaceRow(m_ui->ListSlide, rows.slide, m_editor.ListSlide);
    replaceRow(m_ui->ListTexture, rows.texture, m_editor.ListTexture);
    replaceRow(m_ui->ListSound, rows.sound, m_editor.ListSound);
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
