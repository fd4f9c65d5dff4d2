// The private temporary directory.

#include "platform/files/TempDirectory.h"

#include "platform/base/RuntimeError.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <functional>
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

// The directory returned when the fixed name under base cannot be ours: a fresh one beside it,
// private to this user, and the same for the rest of the process.
void expectFreshDirectory(const QString& base) {
    const QString fresh = privateTempDirectory(QString(), base);
    EXPECT_TRUE(fresh.startsWith(base + QStringLiteral("/zavolin-"))) << qPrintable(fresh);
    EXPECT_NE(fresh, ownDirectoryIn(base) + QLatin1Char('/'));
    EXPECT_TRUE(fresh.endsWith(u'/'));
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(fresh).constData(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_uid, ::geteuid());
    EXPECT_EQ(info.st_mode & 07777, mode_t(0700));
    EXPECT_EQ(privateTempDirectory(QString(), base), fresh);
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
    // Found again the next time; opened to others meanwhile, it may hold what they put there,
    // so it is passed over for a fresh one.
    EXPECT_EQ(privateTempDirectory(QString(), base), ownDirectoryIn(base) + QLatin1Char('/'));
    ::chmod(QFile::encodeName(ownDirectoryIn(base)).constData(), 0777);
    expectFreshDirectory(base);
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

TEST(TempDirectory, PassesOverADirectoryPlantedByAnotherUser) {
    const QString base = freshDirectory(QStringLiteral("tmp"));
    ASSERT_TRUE(QDir().mkdir(ownDirectoryIn(base)));
    ::chmod(QFile::encodeName(ownDirectoryIn(base)).constData(), 0777);
    ASSERT_EQ(::chown(QFile::encodeName(ownDirectoryIn(base)).constData(), Stranger, Stranger), 0);
    expectFreshDirectory(base);
    EXPECT_EQ(modeOf(ownDirectoryIn(base)), mode_t(0777));
}

TEST(TempDirectory, PassesOverALinkOrAFileInItsPlace) {
    const QString elsewhere = freshDirectory(QStringLiteral("elsewhere"));
    ::chmod(QFile::encodeName(elsewhere).constData(), 0755);
    const QString linked = freshDirectory(QStringLiteral("tmp"));
    ASSERT_TRUE(QFile::link(elsewhere, ownDirectoryIn(linked)));
    expectFreshDirectory(linked);
    EXPECT_EQ(modeOf(elsewhere), mode_t(0755)); // the link's target is left alone

    const QString filed = freshDirectory(QStringLiteral("tmp"));
    QFile plain(ownDirectoryIn(filed));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    expectFreshDirectory(filed);
}

// Without a runtime directory, a fixed name that someone took first must cost neither a
// directory of a name known in advance nor the working folder.
TEST(TempDirectory, WithoutARuntimeDirectoryATakenNameGivesAFreshPrivateDirectory) {
    struct Case {
        const char* name;
        std::function<void(const QByteArray& taken)> take;
    };
    const Case cases[] = {
        {"a file",
         [](const QByteArray& taken) {
             QFile file(QFile::decodeName(taken));
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         }},
        {"a directory of another user",
         [](const QByteArray& taken) {
             ASSERT_EQ(::mkdir(taken.constData(), 0700), 0);
             ASSERT_EQ(::chown(taken.constData(), Stranger, Stranger), 0);
         }},
        {"a directory of ours open to all",
         [](const QByteArray& taken) {
             ASSERT_EQ(::mkdir(taken.constData(), 0700), 0);
             ASSERT_EQ(::chmod(taken.constData(), 0777), 0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString base = freshDirectory(QStringLiteral("tmp"));
        c.take(QFile::encodeName(ownDirectoryIn(base)));
        expectFreshDirectory(base);
        EXPECT_FALSE(privateTempDirectory(QString(), base).startsWith(QDir::currentPath() + u'/'));
    }
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
