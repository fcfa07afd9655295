#include "MainWindowFixture.h"

#include "common/TabControl.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QTabBar>

#include <cstdlib>

namespace vt::test {
namespace {

bool showsText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return !label->text().isEmpty();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return !button->text().isEmpty();
    return false;
}

// Every caption whole, no two controls over each other, all inside.
void expectTidy(QWidget* container) {
    const auto controls = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* a : controls) {
        if (a->objectName() == "lblBack")
            continue;
        const std::string name = a->objectName().toStdString();
        EXPECT_TRUE(container->rect().contains(a->geometry())) << name;
        if (showsText(a)) {
            EXPECT_GE(a->width(), a->sizeHint().width()) << name;
            EXPECT_GE(a->height(), a->sizeHint().height()) << name;
        }
        for (QWidget* b : controls) {
            if (a != b && b->objectName() != "lblBack") {
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << name << " covers " << b->objectName().toStdString();
            }
        }
    }
}

void expectTidyWindow(frmMain& window) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* tabs = window.findChild<TabControl*>("SSTab1");
    expectTidy(window.centralWidget());
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        expectTidy(tabs->widget(i));
    }
}

TEST_F(MainWindowTest, EveryCaptionFitsAtTheDefaultAndALargeFont) {
    expectTidyWindow(build());
    const QFont original = QApplication::font();
    QFont large = original;
    large.setPointSizeF(original.pointSizeF() * 1.6);
    QApplication::setFont(large);
    expectTidyWindow(build());
    EXPECT_GT(window->width(), 622);
    QApplication::setFont(original);
}

TEST_F(MainWindowTest, EveryControlHasANameForScreenReaders) {
    build();
    for (QWidget* widget : window->centralWidget()->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(widget) ||
                             qobject_cast<QComboBox*>(widget) || showsText(widget) ||
                             widget->objectName().startsWith("lbl");
        if (!control || widget->objectName() == "lblBack")
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(face, nullptr);
        EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << widget->objectName().toStdString();
    }
    EXPECT_EQ(control("lblSlides")->accessibleName(), "Total Number of Slides:");
    EXPECT_EQ(control("lblTempPath")->accessibleName(), "Windows Temp Folder:");
    EXPECT_EQ(control("ComboAppend")->accessibleName(), "Append Slide Show(s)");
    EXPECT_EQ(control("CmdCreate4")->accessibleDescription(),
              "-- add a shortcut to the last opened \"Slide Show\" on your Desktop.");
}

// Not a check: pictures of the three tabs for a person to look at, when
// VT_SCREENSHOT_DIR names a folder.
TEST_F(MainWindowTest, Screenshots) {
    const char* folder = std::getenv("VT_SCREENSHOT_DIR");
    if (!folder)
        GTEST_SKIP() << "VT_SCREENSHOT_DIR not set";
    build().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto* tabs = control<TabControl>("SSTab1");
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QTest::qWait(50);
        window->grab().save(QDir(folder).filePath(QStringLiteral("main-tab%1.png").arg(i + 1)));
    }
}

} // namespace
} // namespace vt::test
