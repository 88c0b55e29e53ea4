#include "platform/single_instance.h"

#include <QDateTime>
#include <QFile>
#include <QSysInfo>
#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "test_support.h"

namespace {

TEST(SingleInstanceTest, SecondCopyFindsTheLockTaken) {
    const std::string lock = JoinPath(testsupport::MakeTempDir(), "tandrell.lock");
    SingleInstance first(lock);
    SingleInstance second(lock);
    ASSERT_TRUE(first.TryAcquire());
    EXPECT_TRUE(first.IsHeld());
    EXPECT_FALSE(second.TryAcquire());
    EXPECT_FALSE(second.IsHeld());

    // An old lock of a running copy is still taken.
    QFile f(QString::fromStdString(lock));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QDateTime::currentDateTime().addSecs(-7200), QFileDevice::FileModificationTime);
    f.close();
    EXPECT_FALSE(second.TryAcquire());

    first.Release();
    EXPECT_TRUE(second.TryAcquire());
    EXPECT_FALSE(first.TryAcquire());
}

TEST(SingleInstanceTest, LockOfADeadCopyIsTakenOver) {
    const std::string lock = JoinPath(testsupport::MakeTempDir(), "tandrell.lock");
    // The lock file of a copy whose process no longer runs.
    testsupport::WriteBytes(lock, "2147483000\ntandrell\n" + QSysInfo::machineHostName().toStdString() + "\n");
    SingleInstance copy(lock);
    EXPECT_TRUE(copy.TryAcquire());
}

TEST(SingleInstanceTest, LockIsReleasedOnDestruction) {
    const std::string lock = JoinPath(testsupport::MakeTempDir(), "tandrell.lock");
    {
        SingleInstance first(lock);
        ASSERT_TRUE(first.TryAcquire());
    }
    SingleInstance second(lock);
    EXPECT_TRUE(second.TryAcquire());
    EXPECT_FALSE(DefaultInstanceLockPath().empty());
}

}  // namespace
