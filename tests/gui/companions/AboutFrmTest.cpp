#include "companions/AboutFrm.h"

#include "DialogTesting.h"
#include "FakeSeams.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(AboutFrm, ShowsTheVersionAndClosesOnAClickAnywhereButTheHeadingOrOnEnter) {
    test::FakeBusyPointer busy;
    test::RecordingHelp help;
    busy.hourglass = true;
    AboutFrm box(busy, help);
    EXPECT_FALSE(busy.hourglass); // loading ends with the default pointer
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Vantora Utility Module"));
    const auto* version = box.findChild<QLabel*>(QStringLiteral("lblVersion"));
    EXPECT_EQ(version->text() + "|" + version->toolTip(),
              QStringLiteral("3.1.22 - November 2000|3.1.22 - November 2000"));

    ASSERT_TRUE(test::showActive(box));
    QTest::mouseClick(box.findChild<QWidget*>(QStringLiteral("lblVersionMsg2")), Qt::LeftButton);
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(4, 4));
    QTest::keyClick(&box, Qt::Key_F1);
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(help.requests, std::vector<std::string>{"topic 10"});

    for (const char* name :
         {"AboutFrm", "Picture1", "lblVersion", "lblVersionMsg", "lblVantoraSite", "CmdOK"}) {
        AboutFrm other(busy, help);
        other.show();
        QWidget* part = other.findChild<QWidget*>(QString::fromLatin1(name));
        QTest::mouseClick(part ? part : &other, Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_FALSE(other.isVisible()) << name;
        EXPECT_TRUE(busy.hourglass) << name; // unloading sets the hourglass
        busy.setDefault();
    }

    // The About command shows it modally, with the hourglass until it is up
    // and again once it has gone.
    bool hourglassWhileShown = true;
    QTimer::singleShot(0, [&] {
        hourglassWhileShown = busy.hourglass;
        if (QWidget* modal = QApplication::activeModalWidget())
            QTest::keyClick(modal, Qt::Key_Return); // Enter closes it
    });
    const int pendingRuns = busy.pendingRuns;
    showAboutBox(busy, help);
    EXPECT_FALSE(hourglassWhileShown);
    EXPECT_FALSE(busy.hourglass);
    EXPECT_GE(busy.pendingRuns - pendingRuns, 3); // before, while loading, while unloading
}

} // namespace
} // namespace vt
