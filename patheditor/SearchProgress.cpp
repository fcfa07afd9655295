#include "patheditor/SearchProgress.h"

#include "common/QtText.h"
#include "patheditor/MissingFilesText.h"
#include "patheditor/PathEditorTexts.h"

#include <QEventLoop>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <exception>
#include <memory>

namespace vt {
namespace {

constexpr int PollMs = 100;
constexpr int LabelWidth = 460; // pixels at 96 dpi; long folders are shortened in the middle

class SearchProgressDialog : public QProgressDialog {
  public:
    SearchProgressDialog(QWidget* parent, media::WalkProgress& progress)
        : QProgressDialog(parent), m_progress(progress) {
        setObjectName(QStringLiteral("frmSearchProgress"));
        setWindowTitle(toQString(texts::SearchProgressTitle));
        setWindowModality(Qt::WindowModal);
        setRange(0, 0); // how much is left is unknown: a busy bar
        setAutoClose(false);
        setAutoReset(false);
        m_cancel = new QPushButton(toQString(texts::SearchProgressCancel), this);
        m_cancel->setObjectName(QStringLiteral("CmdCancel"));
        setCancelButton(m_cancel);
        m_label = new QLabel(this);
        m_label->setObjectName(QStringLiteral("lblSearchProgress"));
        m_label->setFixedWidth(logicalDpiX() * LabelWidth / 96);
        setLabel(m_label);
        connect(this, &QProgressDialog::canceled, this, &SearchProgressDialog::stop);
        showProgress();
    }

    void showProgress() {
        if (m_progress.cancel)
            return;
        const QString folder = QString::fromStdString(m_progress.currentFolder());
        const QFontMetrics metrics(m_label->font());
        m_label->setText(
            toQString(std::string(texts::CountFiles) + countText(m_progress.files.load())) +
            QLatin1Char('\n') + metrics.elidedText(folder, Qt::ElideMiddle, m_label->width()));
    }

    // Escape and the window's close box stop the walk too; the dialog stays
    // until the worker has finished.
    void reject() override { emit canceled(); }

  private:
    void stop() {
        m_progress.cancel = true;
        m_label->setText(toQString(texts::SearchProgressStopping) + QLatin1Char('\n'));
        m_cancel->setEnabled(false);
    }

    media::WalkProgress& m_progress;
    QLabel* m_label = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace

FolderWalk nameIndexWalk() {
    return [](const std::string& hostRoot, media::NameIndex& index, media::WalkProgress& progress,
              media::WalkSummary& summary) { index.walk(hostRoot, progress, summary); };
}

bool walkWithProgress(QWidget* parent, const std::string& hostRoot, const FolderWalk& walk,
                      media::NameIndex& index, media::WalkSummary& summary) {
    media::WalkProgress progress;
    progress.setCurrentFolder(hostRoot);
    SearchProgressDialog dialog(parent, progress);

    // Nothing may escape the worker: a walk that fails is a folder that
    // cannot be read.
    std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            walk(hostRoot, index, progress, summary);
        } catch (const std::exception&) {
            summary.badRoots.push_back(hostRoot);
        }
    }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer poll;
    poll.setInterval(PollMs);
    QObject::connect(&poll, &QTimer::timeout, &dialog, &SearchProgressDialog::showProgress);

    dialog.show();
    worker->start();
    poll.start();
    loop.exec();
    worker->wait();
    return !progress.cancel && !summary.cancelled;
}

} // namespace vt
