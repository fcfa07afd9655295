#include "pack/PackProgress.h"

#include "common/BusyPointer.h"
#include "common/FileDialogs.h"
#include "common/HelpFacility.h"
#include "common/PathText.h"
#include "common/QtText.h"
#include "common/Texts.h"
#include "companions/HelpContexts.h"
#include "pack/PackTexts.h"
#include "platform/DriveMap.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace vt {
namespace {

// The summary lists this many missing files and changed names; the rest
// are counted.
constexpr std::size_t SummaryLines = 15;

QString ofText(std::string_view start, const std::string& done, const std::string& total) {
    return toQString(std::string(start) + done + std::string(texts::PackProgressOf) + total);
}

// Where the folder dialog starts: beside the show.
std::string hostFolderOf(const std::string& showPath) {
    const auto host = DriveMap::current().toHost(folderPart(showPath));
    return host ? *host : std::string();
}

} // namespace

PackProgress::PackProgress(const pack::PackPlan& plan, HelpFacility& help, QWidget* parent)
    : QDialog(parent), m_plan(plan), m_files(new QLabel(this)), m_bytes(new QLabel(this)),
      m_bar(new QProgressBar(this)), m_cancel(new QPushButton(toQString(texts::PackCancel), this)) {
    setObjectName(QStringLiteral("PackProgress"));
    setWindowTitle(toQString(texts::PackProgressTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* folder =
        new QLabel(toQString(std::string(texts::PackProgressCopying) + "\n" + plan.folder), this);
    folder->setObjectName(QStringLiteral("lblPackFolder"));
    m_files->setObjectName(QStringLiteral("lblPackFiles"));
    m_bytes->setObjectName(QStringLiteral("lblPackBytes"));
    m_bar->setObjectName(QStringLiteral("barPack"));
    m_cancel->setObjectName(QStringLiteral("CmdPackCancel"));
    m_bar->setRange(0, 1000);
    m_bar->setMinimumWidth(420);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_cancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &PackProgress::reject);
    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this,
            [&help] { help.showTopic(help::PackDialog); });
    for (QWidget* widget : {static_cast<QWidget*>(folder), static_cast<QWidget*>(m_files),
                            static_cast<QWidget*>(m_bytes), static_cast<QWidget*>(m_bar),
                            static_cast<QWidget*>(buttons)})
        layout->addWidget(widget);
    // The copying thread asks for a refresh; one waiting request is enough.
    m_progress.changed = [this] {
        if (!m_refreshPending.exchange(true))
            QMetaObject::invokeMethod(this, &PackProgress::refresh, Qt::QueuedConnection);
    };
    refresh();
}

PackProgress::~PackProgress() {
    m_progress.cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

pack::PackResult PackProgress::run() {
    m_worker = std::thread([this] {
        m_result = pack::runPack(m_plan, m_progress);
        QMetaObject::invokeMethod(this, &PackProgress::finished, Qt::QueuedConnection);
    });
    exec();
    return m_result;
}

void PackProgress::refresh() {
    m_refreshPending = false;
    const auto files = static_cast<long long>(m_progress.files.load());
    const std::uint64_t bytes = m_progress.bytes.load();
    m_files->setText(ofText(texts::PackProgressFilesStart, pack::countText(files),
                            pack::countText(static_cast<long long>(m_plan.files.size()))));
    m_bytes->setText(
        ofText(texts::PackProgressBytesStart, pack::sizeText(bytes), pack::sizeText(m_plan.bytes)));
    const double done = m_plan.bytes > 0
                            ? static_cast<double>(bytes) / static_cast<double>(m_plan.bytes)
                        : m_plan.files.empty()
                            ? 1.0
                            : static_cast<double>(files) / static_cast<double>(m_plan.files.size());
    m_bar->setValue(static_cast<int>(std::min(done, 1.0) * 1000));
}

void PackProgress::finished() {
    if (m_worker.joinable())
        m_worker.join();
    refresh();
    done(QDialog::Accepted);
}

// Closing asks the copy to stop; the dialog goes when the pack has cleaned up.
void PackProgress::reject() {
    if (!m_worker.joinable()) {
        QDialog::reject();
        return;
    }
    m_progress.cancel = true;
    m_cancel->setEnabled(false);
    m_cancel->setText(toQString(texts::PackProgressCancelling));
}

void packSlideShow(const SlideShowModel& model, const std::string& showPath,
                   const PackSeams& seams, QWidget* parent) {
    const auto folder = seams.dialogs.chooseFolder(
        {std::string(texts::PackFolderTitle), hostFolderOf(showPath), help::PackDialog});
    if (!folder)
        return;
    seams.busy.setHourglass();
    seams.busy.processPending();
    const auto plan =
        pack::planPack(model, namedByUser(*folder).windows, showPath, seams.prompter);
    seams.busy.setDefault();
    if (!plan)
        return;
    PackProgress progress(*plan, seams.help, parent);
    const pack::PackResult result = progress.run();
    pack::reportPack(*plan, result, seams.prompter, SummaryLines);
}

} // namespace vt
