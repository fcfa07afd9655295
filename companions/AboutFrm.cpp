#include "companions/AboutFrm.h"

#include "ui_AboutFrm.h"

#include "common/BusyPointer.h"
#include "common/HelpFacility.h"
#include "common/QtText.h"
#include "common/Texts.h"
#include "companions/AboutTexts.h"
#include "companions/HelpContexts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace vt {
namespace {

const QColor BoxGrey(0xC0, 0xC0, 0xC0);

// The release's own version numbers, those the build gives the program.
QString versionLine() {
    return QStringLiteral("%1.%2.%3 - %4")
        .arg(VT_VERSION_MAJOR)
        .arg(VT_VERSION_MINOR)
        .arg(VT_VERSION_PATCH)
        .arg(toQString(texts::AboutReleaseMonth));
}

bool isMouseButtonEvent(const QEvent* event) {
    return event->type() == QEvent::MouseButtonPress ||
           event->type() == QEvent::MouseButtonRelease ||
           event->type() == QEvent::MouseButtonDblClick;
}

// A left button let go over the widget it was pressed on.
bool isClick(const QEvent* event, const QWidget& widget) {
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton && widget.rect().contains(mouse->position().toPoint());
}

} // namespace

AboutFrm::AboutFrm(BusyPointer& busy, HelpFacility& help, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::AboutFrm>()), m_busy(busy), m_help(help),
      m_background(QStringLiteral(":/companions/AboutBackground.png")) {
    m_ui->setupUi(this);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, BoxGrey);
    setPalette(grey);
    m_ui->Picture1->setPixmap(QPixmap(QStringLiteral(":/companions/AboutPicture.png")));
    m_ui->lblVersionMsg2->setText(toQString(texts::AboutVersionHeading));
    m_ui->lblVantoraSite->setText(toQString(texts::AboutProductHost));
    m_ui->CmdOK->setText(toQString(texts::AboutClose));
    m_ui->CmdOK->setToolTip(toQString(texts::AboutCloseTip));
    connect(m_ui->CmdOK, &QPushButton::clicked, this, &QDialog::accept);
    for (QWidget* part :
         std::initializer_list<QWidget*>{m_ui->Picture1, m_ui->lblVersion, m_ui->lblVersionMsg,
                                         m_ui->lblVersionMsg2, m_ui->lblVantoraSite})
        part->installEventFilter(this);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { m_help.showTopic(help::MainWindow); });
    formLoad();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

AboutFrm::~AboutFrm() = default;

void AboutFrm::formLoad() {
    setWindowTitle(toQString(texts::AboutCaptionStart) + toQString(ProgramTitle));
    m_ui->lblVersionMsg->setText(toQString(ProgramTitle));
    const QString version = versionLine();
    m_ui->lblVersion->setText(version);
    m_ui->lblVersion->setToolTip(version);
    m_busy.processPending();
    m_busy.setDefault();
}

void AboutFrm::done(int result) {
    // Unloading: the hourglass until the About command has finished.
    m_busy.setHourglass();
    m_busy.processPending();
    QDialog::done(result);
}

bool AboutFrm::eventFilter(QObject* watched, QEvent* event) {
    if (!isMouseButtonEvent(event))
        return QDialog::eventFilter(watched, event);
    // The version heading is the one part a click leaves alone.
    if (watched == m_ui->lblVersionMsg2)
        return true;
    if (isClick(event, *static_cast<QWidget*>(watched)))
        reject();
    return true;
}

void AboutFrm::mouseReleaseEvent(QMouseEvent* event) {
    if (isClick(event, *this))
        reject();
}

void AboutFrm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), BoxGrey);
    painter.drawPixmap(rect(), m_background);
}

void showAboutBox(BusyPointer& busy, HelpFacility& help) {
    busy.setHourglass();
    busy.processPending();
    AboutFrm box(busy, help);
    box.exec();
    busy.setDefault();
}

} // namespace vt
