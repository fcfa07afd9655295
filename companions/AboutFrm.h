#pragma once

#include <QDialog>
#include <QPixmap>

#include <memory>

namespace Ui {
class AboutFrm;
}

namespace vt {

class BusyPointer;
class HelpFacility;

// The About box: the program's name, version and release month. A click on
// the box or any of its parts closes it, except on "Utility Module Version:".
class AboutFrm : public QDialog {
    Q_OBJECT
public:
    AboutFrm(BusyPointer& busy, HelpFacility& help, QWidget* parent = nullptr);
    ~AboutFrm() override;

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void formLoad();

    std::unique_ptr<Ui::AboutFrm> m_ui;
    BusyPointer& m_busy;
    HelpFacility& m_help;
    QPixmap m_background;
};

// The Help menu's About command: the hourglass until the box is up, and
// again from its closing until it is gone.
void showAboutBox(BusyPointer& busy, HelpFacility& help);

} // namespace vt
