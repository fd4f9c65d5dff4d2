// The previous-instance test behind the start-up.
#include "platform/base/RuntimeError.h"
#include "platform/desktop/PreviousInstance.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zavolin;

TEST(InstanceLock, TheFirstHolderRunsAloneAndASecondSeesIt) {
    const QString path = test::freshDirectory("lock") + "/Zavolin.lock";
    {
        InstanceLock first(path);
        EXPECT_FALSE(first.running());
        // Asked again, the holder is still the only one.
        EXPECT_FALSE(first.running());
        InstanceLock second(path);
        EXPECT_TRUE(second.running());
    }
    // The first has ended: the next start runs.
    InstanceLock third(path);
    EXPECT_FALSE(third.running());
}

TEST(InstanceLock, ALockLeftByAProcessThatIsGoneIsTakenOver) {
    const QString path = test::freshDirectory("stale") + "/Zavolin.lock";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // QLockFile's format: PID, application name, host name; no process has PID 2^22 + 1.
    file.write("4194305\nzavolin\n\n");
    file.close();
    InstanceLock lock(path);
    EXPECT_FALSE(lock.running());
}

TEST(InstanceLock, AnUnusableFolderIsAFailureNotAnAnswer) {
    const QString plain = test::freshDirectory("plain") + "/file";
    QFile file(plain);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    InstanceLock lock(plain + "/Zavolin.lock");
    try {
        lock.running();
        FAIL() << "no failure";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), ErrNo::PathFileAccessError);
    }
}
