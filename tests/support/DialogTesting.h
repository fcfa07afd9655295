#pragma once

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace vt::test {

// Shows a dialog as the active window, so that focus and keys reach it.
inline bool showActive(QWidget& dialog) {
    dialog.show();
    dialog.activateWindow();
    return QTest::qWaitForWindowActive(&dialog);
}

// A control of a form by its name; a missing one fails the test.
template <typename T> T* control(const QWidget& form, const char* name) {
    auto* found = form.findChild<T*>(name);
    EXPECT_TRUE(found) << name;
    return found;
}

} // namespace vt::test
