#include "companions/AboutFrm.h"

#include "FakeSeams.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace vt {
namespace {

QWidget& part(const AboutFrm& box, const char* name) {
    return *box.findChild<QWidget*>(QString::fromLatin1(name));
}
QString text(const AboutFrm& box, const char* name) {
    return box.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

TEST(AboutFrm, ShowsNameVersionAndSite) {
    test::FakeBusyPointer busy;
    test::RecordingHelp help;
    busy.hourglass = true;
    AboutFrm box(busy, help);
    EXPECT_FALSE(busy.hourglass); // loading ends with the default pointer

    EXPECT_EQ(box.objectName(), QStringLiteral("AboutFrm"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Vantora Utility Module"));
    EXPECT_EQ(text(box, "lblVersionMsg"), QStringLiteral("Vantora Utility Module"));
    EXPECT_EQ(text(box, "lblVersionMsg2"), QStringLiteral("Utility Module Version:"));
    EXPECT_EQ(text(box, "lblVersion"), QStringLiteral("3.1.22 - November 2000"));
    EXPECT_EQ(part(box, "lblVersion").toolTip(), QStringLiteral("3.1.22 - November 2000"));
    EXPECT_EQ(text(box, "lblVantoraSite"), QStringLiteral("www.vantora.example"));
    const auto& ok = static_cast<const QPushButton&>(part(box, "CmdOK"));
    EXPECT_EQ(ok.text(), QStringLiteral("&Click here to close this dialog..."));
    EXPECT_EQ(ok.toolTip(), QStringLiteral("Click here to close this dialog..."));
    EXPECT_TRUE(ok.isDefault());
    EXPECT_FALSE(box.findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap().isNull());
}

TEST(AboutFrm, ClickAnywhereButTheVersionHeadingCloses) {
    test::FakeBusyPointer busy;
    test::RecordingHelp help;
    for (const char* name :
         {"AboutFrm", "Picture1", "lblVersion", "lblVersionMsg", "lblVantoraSite", "CmdOK"}) {
        AboutFrm box(busy, help);
        box.show();
        QWidget& clicked = box.objectName() == QLatin1String(name) ? box : part(box, name);
        QTest::mouseClick(&clicked, Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_FALSE(box.isVisible()) << name;
        EXPECT_TRUE(busy.hourglass) << name; // unloading sets the hourglass
        busy.setDefault();
    }

    AboutFrm box(busy, help);
    box.show();
    QTest::mouseClick(&part(box, "lblVersionMsg2"), Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseDClick(&part(box, "lblVersionMsg2"), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_TRUE(box.isVisible());
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(4, 4));
    EXPECT_TRUE(box.isVisible());
    EXPECT_TRUE(help.requests.empty());
}

TEST(AboutFrm, EnterAndEscapeCloseF1ShowsTheMainTopic) {
    test::FakeBusyPointer busy;
    test::RecordingHelp help;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        AboutFrm box(busy, help);
        box.show();
        QTest::keyClick(&box, key);
        EXPECT_FALSE(box.isVisible()) << key;
    }
    AboutFrm box(busy, help);
    box.show();
    QApplication::setActiveWindow(&box);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    QTest::keyClick(&box, Qt::Key_F1);
    EXPECT_EQ(help.requests, std::vector<std::string>{"topic 10"});
    EXPECT_TRUE(box.isVisible());
}

TEST(AboutFrm, AboutCommandShowsTheBoxModallyAndRestoresThePointer) {
    test::FakeBusyPointer busy;
    test::RecordingHelp help;
    bool shown = false, hourglassWhileShown = true;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<AboutFrm*>(QApplication::activeModalWidget());
        shown = box && !box->parentWidget();
        hourglassWhileShown = busy.hourglass;
        if (box)
            QTest::mouseClick(&part(*box, "lblVantoraSite"), Qt::LeftButton, {}, QPoint(4, 4));
    });
    showAboutBox(busy, help);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(hourglassWhileShown);
    EXPECT_FALSE(busy.hourglass);
    EXPECT_GE(busy.pendingRuns, 3); // before, while loading, while unloading
}

} // namespace
} // namespace vt
