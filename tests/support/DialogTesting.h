#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

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

// Runs `act` once on the modal dialog of that name as soon as it shows.
class WhenShown : public QObject {
  public:
    WhenShown(const char* name, std::function<void(QWidget&)> act)
        : m_name(QString::fromLatin1(name)), m_act(std::move(act)) {
        m_poll.setInterval(10);
        connect(&m_poll, &QTimer::timeout, this, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || dialog->objectName() != m_name || !dialog->isVisible())
                return;
            m_poll.stop();
            shown = true;
            m_act(*dialog);
        });
        m_poll.start();
    }
    bool shown = false;

  private:
    QString m_name;
    std::function<void(QWidget&)> m_act;
    QTimer m_poll;
};

} // namespace vt::test
