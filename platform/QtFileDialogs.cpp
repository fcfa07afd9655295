#include "platform/QtFileDialogs.h"

#include "common/HelpFacility.h"
#include "common/Pictures.h"
#include "common/QtText.h"
#include "platform/DriveMap.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

namespace vt {
namespace {

constexpr auto Filter = "Vantora Slide Show  (*.vts)";
constexpr auto DefaultSuffix = "vts";
constexpr auto FirstName = "*.vts";

} // namespace

void QtFileDialogs::prepare(QFileDialog& dialog, const FileDialogRequest& request) const {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(toQString(request.title));
    dialog.setNameFilter(QString::fromLatin1(Filter));
    // Qt squeezes the filter's double blank; show it as the viewer writes it.
    if (auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        types->setItemText(0, QString::fromLatin1(Filter));
    dialog.setDefaultSuffix(QString::fromLatin1(DefaultSuffix));
    const bool save = request.kind == FileDialogRequest::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    const bool mustExist = (request.flags & FileMustExist) != 0;
    dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, (request.flags & OverwritePrompt) == 0);

    const auto host = m_last.empty() ? std::nullopt : DriveMap::current().toHost(m_last);
    if (host) {
        const QFileInfo last(QString::fromStdString(*host));
        dialog.setDirectory(last.absolutePath());
        dialog.selectFile(last.fileName());
    } else {
        dialog.selectFile(QString::fromLatin1(FirstName));
    }

    addHelpButton(dialog, request.helpContext);
}

void QtFileDialogs::addHelpButton(QFileDialog& dialog, int helpContext) const {
    // Qt's own dialog keeps its buttons in a box named buttonBox.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))) {
        buttons->addButton(QDialogButtonBox::Help)->setIcon(helpPicture());
        HelpFacility& help = m_help;
        QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog,
                         [&help, helpContext] { help.showTopic(helpContext); });
    }
}

std::optional<std::string> QtFileDialogs::choose(const FileDialogRequest& request) {
    QFileDialog dialog(m_parent);
    prepare(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    m_last = namedByUser(dialog.selectedFiles().constFirst().toStdString()).windows;
    return m_last;
}

// Folders only, so that a double-click opens a folder instead of choosing
// it; the remembered show file stays as it was.
std::optional<std::string> QtFileDialogs::chooseFolder(const FolderDialogRequest& request) {
    QFileDialog dialog(m_parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(toQString(request.title));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setDirectory(QString::fromStdString(request.initialFolder));
    addHelpButton(dialog, request.helpContext);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace vt
