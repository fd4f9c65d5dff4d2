#include "platform/desktop/OsVersion.h"

#include <gtest/gtest.h>

using namespace zavolin;

TEST(LinuxVersion, TakesKernelReleaseAndPrettyName) {
    const OsVersionInfo info = linuxVersion(
        QStringLiteral("6.1.115-1-amd64"),
        "NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\n");
    EXPECT_EQ(info.platform, QStringLiteral("Linux"));
    EXPECT_EQ(info.major, 6u);
    EXPECT_EQ(info.minor, 1u);
    EXPECT_EQ(info.build, 115u);
    ASSERT_EQ(info.servicePack.size(), 128);
    EXPECT_EQ(QByteArray(info.servicePack.constData()),
              QByteArray("Debian GNU/Linux 12 (bookworm)"));
}

TEST(LinuxVersion, LongPrettyNameStillLeavesATerminatingNul) {
    const OsVersionInfo info =
        linuxVersion(QStringLiteral("5.10"), "PRETTY_NAME=" + QByteArray(300, 'x') + "\n");
    EXPECT_EQ(info.servicePack.size(), 128);
    EXPECT_EQ(info.servicePack.back(), '\0');
    EXPECT_EQ(info.build, 0u);
}

TEST(LinuxVersion, RunningSystemHasAPlatformName) {
    EXPECT_EQ(OsVersionSource::current().read().platform, QStringLiteral("Linux"));
}
