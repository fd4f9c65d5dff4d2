#include "platform/base/ProgramInfo.h"

#include <gtest/gtest.h>

using namespace zavolin;

TEST(ProgramInfo, VersionIsPaddedToTwoAndFourDigits) {
    EXPECT_EQ(paddedVersion(2, 22, 272), QStringLiteral("2.22.0272"));
    EXPECT_EQ(paddedVersion(3, 5, 7), QStringLiteral("3.05.0007"));
    ProgramInfo info;
    info.title = QStringLiteral("Zavolin");
    info.major = 2;
    info.minor = 22;
    info.revision = 272;
    EXPECT_EQ(titleWithVersion(info), QStringLiteral("Zavolin  2.22.0272"));
}

TEST(ProgramInfo, RunningProgramKnowsItsTitleAndFile) {
    const ProgramInfo& info = programInfo();
    EXPECT_EQ(info.title, QStringLiteral("Zavolin"));
    EXPECT_EQ(info.exeName, QStringLiteral("platform_tests"));
    EXPECT_FALSE(info.directory.endsWith(QLatin1Char('/')));
}
