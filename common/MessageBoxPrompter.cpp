#include "common/MessageBoxPrompter.h"

#include "common/HelpFacility.h"
#include "common/Pictures.h"
#include "common/QtText.h"
#include "common/Texts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vt {
namespace {

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButtons boxButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

Answer answerOf(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Ok;
    }
}

} // namespace

Answer MessageBoxPrompter::show(const Message& message) {
    QMessageBox box(boxIcon(message.icon), toQString(ProgramTitle), toDisplayText(message.text),
                    boxButtons(message.buttons), m_parent);
    box.setTextFormat(Qt::PlainText);      // paths may hold '<' and '&'
    if (message.buttons == Buttons::YesNo) // closing the box with Esc answers No
        box.setEscapeButton(QMessageBox::No);
    return answerOf(box.exec());
}

std::string MessageBoxPrompter::input(std::string_view prompt, std::string_view title,
                                      std::string_view initial, int helpContext) {
    QDialog dialog(m_parent);
    dialog.setWindowTitle(toQString(title));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(toDisplayText(prompt), &dialog);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    auto* edit = new QLineEdit(toQString(initial), &dialog);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 60); // room for a path
    edit->setAccessibleName(label->text());
    auto buttons = QDialogButtonBox::Ok | QDialogButtonBox::Cancel;
    if (m_help)
        buttons |= QDialogButtonBox::Help;
    auto* box = new QDialogButtonBox(buttons, &dialog);
    if (QPushButton* helpButton = box->button(QDialogButtonBox::Help))
        helpButton->setIcon(helpPicture());
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(box);
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    HelpFacility* help = m_help;
    QObject::connect(box, &QDialogButtonBox::helpRequested, &dialog,
                     [help, helpContext] { help->showTopic(helpContext); });
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return fromQString(edit->text());
}

} // namespace vt
