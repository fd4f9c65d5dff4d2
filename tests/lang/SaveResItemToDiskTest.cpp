// Extracting the embedded table to a file.

#include "errors/Trap.h"
#include "lang/ModResFiles.h"
#include "support/LangFixture.h"
#include "support/ScriptedReporter.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace zavolin;
using namespace zavolin::test;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

TEST(SaveResItemToDisk, WritesTheTableByteForByte) {
    const QString dir = freshDirectory(QStringLiteral("extract"));
    const QString path = dir + QStringLiteral("/~tmp.lng");
    EXPECT_EQ(SaveResItemToDisk(1000, QStringLiteral("CUSTOM"), path), 0);
    EXPECT_EQ(contents(path), tableBytes());
    // Nothing else is left in the directory.
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("~tmp.lng")});
}

TEST(SaveResItemToDisk, ALongerOldFileLeavesNoBytesBehind) {
    const QString path = fileWith(QByteArray(5000, 'x'), QStringLiteral("~tmp.lng"));
    EXPECT_EQ(SaveResItemToDisk(1000, QStringLiteral("CUSTOM"), path), 0);
    EXPECT_EQ(contents(path), tableBytes());
}

TEST(SaveResItemToDisk, ALinkPlantedAtThePathIsReplacedNotFollowed) {
    const QString victim = fileWith("precious", QStringLiteral("victim"));
    const QString path = freshDirectory(QStringLiteral("extract")) + QStringLiteral("/~tmp.lng");
    ASSERT_TRUE(QFile::link(victim, path));
    EXPECT_EQ(SaveResItemToDisk(1000, QStringLiteral("CUSTOM"), path), 0);
    EXPECT_EQ(contents(victim), QByteArray("precious"));
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(contents(path), tableBytes());
}

TEST(SaveResItemToDisk, AnUnwritableDirectoryIsReportedAndStartUpGoesOn) {
    // Root may write anywhere, but not below a regular file.
    const QString notADirectory = fileWith("file", QStringLiteral("plain"));
    const QString path = notADirectory + QStringLiteral("/sub/~tmp.lng");
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> answers(reporter);
    EXPECT_EQ(SaveResItemToDisk(1000, QStringLiteral("CUSTOM"), path), 0);
    ASSERT_GE(reporter.reports.size(), 1);
    const Report& first = reporter.reports.first();
    EXPECT_EQ(first.module, QStringLiteral("ModResFiles"));
    EXPECT_EQ(first.procedure, QStringLiteral("SaveResItemToDisk"));
    EXPECT_EQ(first.line, 50170);
    EXPECT_EQ(first.number, ErrNo::PathNotFound);
    // Ignoring it goes on: writing to the file that never opened fails as well.
    ASSERT_EQ(reporter.reports.size(), 2);
    EXPECT_EQ(reporter.reports[1].line, 50200);
    EXPECT_EQ(reporter.reports[1].number, ErrNo::BadFileNameOrNumber);
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(SaveResItemToDisk, CancelLeavesTheOldFileAndNoNewOne) {
    const QString path = fileWith("old table", QStringLiteral("~tmp.lng"));
    ScriptedReporter reporter({Cancel});
    ScopedReplacement<ErrorReporter> answers(reporter);
    EXPECT_EQ(SaveResItemToDisk(999, QStringLiteral("CUSTOM"), path), 0);
    ASSERT_EQ(reporter.reports.size(), 1);
    EXPECT_EQ(reporter.reports[0].line, 50110);
    EXPECT_EQ(reporter.reports[0].number, 326);
    EXPECT_EQ(contents(path), QByteArray("old table"));
    EXPECT_EQ(QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden).size(), 1);
}
