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

const std::string OneCopy = "You can only run one copy of the Vantora Utility Module at a time...";

TEST(Startup, OneCopyAtATime) {
    TempFolder temp;
    const QString lock = QString::fromStdString(temp.host("vtutil.lock"));
    RecordingPrompter prompter;
    {
        SingleInstance first(lock);
        ASSERT_TRUE(claimSingleInstance(first, prompter));
        SingleInstance second(lock);
        EXPECT_FALSE(claimSingleInstance(second, prompter));
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text, OneCopy);
        EXPECT_EQ(prompter.messages[0].icon, Icon::Information);
        EXPECT_EQ(prompter.messages[0].buttons, Buttons::Ok);
    }
    SingleInstance after(lock); // the first copy has ended
    EXPECT_TRUE(claimSingleInstance(after, prompter));
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST(Startup, ACrashedCopysLockIsTakenOver) {
    TempFolder temp;
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0); // a process id nobody has any more
    QFile file(QString::fromStdString(temp.host("vtutil.lock")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(child) + '\n' + QCoreApplication::applicationName().toUtf8() +
               '\n' + QSysInfo::machineHostName().toUtf8() + '\n');
    file.close();

    RecordingPrompter prompter;
    SingleInstance instance(file.fileName());
    EXPECT_TRUE(claimSingleInstance(instance, prompter));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(Startup, TheProgramFolderEndsInOneBackslash) {
    EXPECT_EQ(appFolderFrom("/"), "Z:\\");
    EXPECT_EQ(appFolderFrom("/opt/vantora"), "Z:\\opt\\vantora\\");
    EXPECT_EQ(appFolderFrom("/opt/vantora/"), "Z:\\opt\\vantora\\");
}

} // namespace
} // namespace vt::test
