#include "MainWindowFixture.h"

#include "common/TabControl.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>

#include <cstdlib>

namespace vt::test {
namespace {

bool showsText(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    return (label && !label->text().isEmpty()) || (button && !button->text().isEmpty());
}

// Every caption whole, no two controls over each other, all inside.
void expectTidy(QWidget* container) {
    const auto controls = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* a : controls) {
        const std::string name = a->objectName().toStdString();
        if (name == "lblBack")
            continue;
        EXPECT_TRUE(container->rect().contains(a->geometry())) << name;
        const bool whole = !showsText(a) || a->size().expandedTo(a->sizeHint()) == a->size();
        EXPECT_TRUE(whole) << name;
        for (QWidget* b : controls) {
            const bool apart =
                a == b || b->objectName() == "lblBack" || !a->geometry().intersects(b->geometry());
            EXPECT_TRUE(apart) << name << " covers " << b->objectName().toStdString();
        }
    }
}

// With VT_SCREENSHOT_DIR set, also leaves a picture of each tab there.
void expectTidyTabs(frmMain& window, const char* picture) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    expectTidy(window.centralWidget());
    auto* tabs = window.findChild<TabControl*>("SSTab1");
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        expectTidy(tabs->widget(i));
        if (const char* folder = std::getenv("VT_SCREENSHOT_DIR"))
            window.grab().save(
                QDir(folder).filePath(QStringLiteral("%1-tab%2.png").arg(picture).arg(i + 1)));
    }
}

TEST_F(MainWindowTest, EveryCaptionFitsAtTheDefaultAndALargeFont) {
    expectTidyTabs(build(), "main");
    const QFont original = QApplication::font();
    QFont large = original;
    large.setPointSizeF(original.pointSizeF() * 1.6);
    QApplication::setFont(large);
    expectTidyTabs(build(), "main-large");
    EXPECT_GT(window->width(), 700);
    QApplication::setFont(original);
}

TEST_F(MainWindowTest, EveryControlHasANameForScreenReaders) {
    build();
    for (QWidget* widget : window->centralWidget()->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (!name.startsWith("Cmd") && !name.startsWith("lbl") && !name.startsWith("Combo"))
            continue;
        if (name != "lblBack") {
            EXPECT_FALSE(
                QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty())
                << name.toStdString();
        }
    }
    EXPECT_EQ(control("lblSlides")->accessibleName(), "Total Number of Slides:");
    EXPECT_EQ(control("ComboAppend")->accessibleName(), "Append Slide Show(s)");
    EXPECT_EQ(control("CmdCreate4")->accessibleDescription(),
              "-- add a shortcut to the last opened \"Slide Show\" on your Desktop.");
}

} // namespace
} // namespace vt::test
