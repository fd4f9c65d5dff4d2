// The private temporary directory.

#include "platform/TempDirectory.h"

#include "platform/RuntimeError.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

// Another user's id; the tests run as root, who may give files away.
constexpr uid_t Stranger = 4242;

mode_t modeOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0);
    return info.st_mode & 07777;
}

QString ownDirectoryIn(const QString& base) {
    return base + QStringLiteral("/zavolin-") + QString::number(::geteuid());
}

void expectRefused(const QString& runtimeDir, const QString& base) {
    try {
        privateTempDirectory(runtimeDir, base);
        ADD_FAILURE() << "accepted a directory that is not private";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), ErrNo::PathFileAccessError);
    }
}

} // namespace

TEST(TempDirectory, UsesAPrivateRuntimeDirectory) {
    const QString runtime = freshDirectory(QStringLiteral("runtime"));
    ::chmod(QFile::encodeName(runtime).constData(), 0700);
    EXPECT_EQ(privateTempDirectory(runtime, freshDirectory(QStringLiteral("tmp"))),
              runtime + QLatin1Char('/'));
}

TEST(TempDirectory, WithoutARuntimeDirectoryCreatesItsOwnClosedToOthers) {
    const QString base = freshDirectory(QStringLiteral("tmp"));
    EXPECT_EQ(privateTempDirectory(QString(), base), ownDirectoryIn(base) + QLatin1Char('/'));
    EXPECT_EQ(modeOf(ownDirectoryIn(base)), mode_t(0700));
    // Found again the next time; opened to others meanwhile, it is closed again.
    ::chmod(QFile::encodeName(ownDirectoryIn(base)).constData(), 0777);
    EXPECT_EQ(privateTempDirectory(QString(), base), ownDirectoryIn(base) + QLatin1Char('/'));
    EXPECT_EQ(modeOf(ownDirectoryIn(base)), mode_t(0700));
}

TEST(TempDirectory, ARuntimeDirectoryOfAnotherUserOrOpenToOthersIsPassedOver) {
    const QString base = freshDirectory(QStringLiteral("tmp"));
    const QString runtime = freshDirectory(QStringLiteral("runtime"));
    ::chmod(QFile::encodeName(runtime).constData(), 0777);
    EXPECT_EQ(privateTempDirectory(runtime, base), ownDirectoryIn(base) + QLatin1Char('/'));
    ::chmod(QFile::encodeName(runtime).constData(), 0700);
    ASSERT_EQ(::chown(QFile::encodeName(runtime).constData(), Stranger, Stranger), 0);
    EXPECT_EQ(privateTempDirectory(runtime, base), ownDirectoryIn(base) + QLatin1Char('/'));
    EXPECT_EQ(modeOf(runtime), mode_t(0700)); // not ours to change
}

TEST(TempDirectory, RefusesADirectoryPlantedByAnotherUser) {
    const QString base = freshDirectory(QStringLiteral("tmp"));
    ASSERT_TRUE(QDir().mkdir(ownDirectoryIn(base)));
    ::chmod(QFile::encodeName(ownDirectoryIn(base)).constData(), 0777);
    ASSERT_EQ(::chown(QFile::encodeName(ownDirectoryIn(base)).constData(), Stranger, Stranger), 0);
    expectRefused(QString(), base);
    EXPECT_EQ(modeOf(ownDirectoryIn(base)), mode_t(0777));
}

TEST(TempDirectory, RefusesALinkOrAFileInItsPlace) {
    const QString elsewhere = freshDirectory(QStringLiteral("elsewhere"));
    ::chmod(QFile::encodeName(elsewhere).constData(), 0755);
    const QString linked = freshDirectory(QStringLiteral("tmp"));
    ASSERT_TRUE(QFile::link(elsewhere, ownDirectoryIn(linked)));
    expectRefused(QString(), linked);
    EXPECT_EQ(modeOf(elsewhere), mode_t(0755)); // the link's target is left alone

    const QString filed = freshDirectory(QStringLiteral("tmp"));
    QFile plain(ownDirectoryIn(filed));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    expectRefused(QString(), filed);
}

TEST(TempDirectory, ARuntimeDirectoryThatIsALinkIsPassedOver) {
    const QString target = freshDirectory(QStringLiteral("elsewhere"));
    ::chmod(QFile::encodeName(target).constData(), 0700);
    const QString link = freshDirectory(QStringLiteral("links")) + QStringLiteral("/runtime");
    ASSERT_TRUE(QFile::link(target, link));
    const QString base = freshDirectory(QStringLiteral("tmp"));
    EXPECT_EQ(privateTempDirectory(link, base), ownDirectoryIn(base) + QLatin1Char('/'));
}

TEST(TempDirectory, GetTempPathAReportsTheSizeNeededWhenTheBufferIsTooSmall) {
    const QString expected = privateTempDirectory();
    QString buffer(4, u' ');
    EXPECT_EQ(GetTempPathA(4, buffer), qint32(expected.size()) + 1);
    EXPECT_EQ(buffer, QStringLiteral("    "));
}
