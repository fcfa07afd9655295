#include "TestSupport.h"

#include "app/Main.h"
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace vt::test {
namespace {

TEST(Startup, OneCopyAtATime) {
    TempFolder temp;
    const QString lock = QString::fromStdString(temp.host("vtutil.lock"));
    RecordingPrompter prompter;
    {
        SingleInstance first(lock), second(lock);
        ASSERT_TRUE(claimSingleInstance(first, prompter));
        EXPECT_FALSE(claimSingleInstance(second, prompter));
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text,
                  "You can only run one copy of the Vantora Utility Module at a time...");
        EXPECT_EQ(prompter.messages[0].icon, Icon::Information);
    }
    SingleInstance after(lock); // once the first copy has ended
    EXPECT_TRUE(claimSingleInstance(after, prompter));

    // A copy that crashed leaves a lock naming a process that is gone.
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    QFile file(QString::fromStdString(temp.host("crashed.lock")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(gone) + '\n' + QCoreApplication::applicationName().toUtf8() +
               '\n' + QSysInfo::machineHostName().toUtf8() + '\n');
    file.close();
    SingleInstance next(file.fileName());
    EXPECT_TRUE(claimSingleInstance(next, prompter));
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST(Startup, TheProgramFolderEndsInOneBackslash) {
    EXPECT_EQ(appFolderFrom("/"), "Z:\\");
    EXPECT_EQ(appFolderFrom("/opt/vantora"), "Z:\\opt\\vantora\\");
}

} // namespace
} // namespace vt::test
