// Files and folders of someone else's handed to the command as a user or an attacker would:
// endless devices, pipes, sparse giants, odd names, a crash's leftovers and a full disk. Each
// is refused in one line saying what and why, quickly, and costs nothing already stored; what
// a crash left behind is cleared.
#include "SheetProcess.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <cerrno>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zavolin::test {
namespace {

QString setsFolder() {
    return qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Zavolin/sets");
}

// A folder of the ten values' fronts, large enough for the import's resolution check.
QString frontsFolder(const QString& work) {
    const QString folder = work + QStringLiteral("/fronts");
    QDir().mkpath(folder);
    for (const char* value : {"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"}) {
        QImage image(1200, 620, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        image.save(folder + QStringLiteral("/%1-front.png").arg(value));
    }
    return folder;
}

void sparseFile(const QString& path, qint64 size) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(size));
}

} // namespace

TEST(HostileFiles, WhatIsNotARegularFileOfItsSizeIsRefusedInOneLine) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(freshDirectory(QStringLiteral("hostile-data"))));
    const QString work = freshDirectory(QStringLiteral("hostile"));
    const QString fronts = frontsFolder(work);
    ASSERT_EQ(runSheet({"--add-picture-set", "Mine", "--from", fronts}).exitCode, 0);
    const QString zero = work + QStringLiteral("/zero.png");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString pipe = work + QStringLiteral("/pipe.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString giant = work + QStringLiteral("/giant.png");
    sparseFile(giant, 3LL << 30);
    const QString zeroFronts = work + QStringLiteral("/zero-fronts");
    ASSERT_TRUE(QDir().mkpath(zeroFronts));
    for (const QString& name : QDir(fronts).entryList(QDir::Files))
        QFile::copy(fronts + '/' + name, zeroFronts + '/' + name);
    QFile::remove(zeroFronts + QStringLiteral("/5-front.png"));
    ASSERT_TRUE(
        QFile::link(QStringLiteral("/dev/zero"), zeroFronts + QStringLiteral("/5-front.png")));

    const struct {
        const char* name;
        std::function<void()> before;
        QStringList arguments;
        QString says;
    } cases[] = {
        {"--pictures naming an endless device",
         {},
         {"--pictures", zero, "--output", work + "/a.png"},
         "it is a device, not a regular file"},
        {"--pictures naming a pipe",
         {},
         {"--pictures", pipe, "--output", work + "/a.png"},
         "it is a pipe, not a regular file"},
        {"--pictures naming a sparse giant",
         {},
         {"--pictures", giant, "--output", work + "/a.png"},
         "it is 3.0 GB, more than the 128.0 MB"},
        {"--from an endless device",
         {},
         {"--add-picture-set", "Zero", "--from", zero},
         "it is a device, not a regular file"},
        {"--from a pipe",
         {},
         {"--add-picture-set", "Pipe", "--from", pipe},
         "it is a pipe, not a regular file"},
        {"--from a folder with a link to a device",
         {},
         {"--add-picture-set", "Zeros", "--from", zeroFronts},
         "5-front.png: it is a device"},
        {"a stored set grown to a sparse giant",
         [] { sparseFile(setsFolder() + "/Mine/set.png", 2LL << 30); },
         {"--picture-set", "Mine", "--output", work + "/a.png"},
         "it is 2.0 GB, more than"},
        {"a set name with a line break",
         {},
         {"--add-picture-set", "Two\nlines", "--from", fronts},
         "cannot hold a line break"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.before)
            c.before();
        expectOneLineFailure(runSheet(c.arguments), c.says, c.name);
    }
    // What a crash left half made or half removed goes at the next listing.
    for (const char* leftover : {"/.new-a1b2c3/set.png", "/.removed-d4e5f6/set.png"}) {
        QDir().mkpath(QFileInfo(setsFolder() + leftover).absolutePath());
        QFile(setsFolder() + leftover).open(QIODevice::WriteOnly);
    }
    EXPECT_EQ(runSheet({"--list-picture-sets"}).exitCode, 0);
    EXPECT_EQ(filesIn(setsFolder()), QStringList{"Mine"});
    EXPECT_FALSE(QFile::exists(work + "/a.png"));
}

TEST(HostileFiles, AFullDiskWhileImportingSaysSoAndLeavesNothing) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "a small tmpfs needs root to mount";
    const QString data = freshDirectory(QStringLiteral("full-disk-data"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data));
    const QString sets = setsFolder();
    ASSERT_TRUE(QDir().mkpath(sets));
    ASSERT_EQ(::mount("tmpfs", QFile::encodeName(sets).constData(), "tmpfs", 0, "size=64k"), 0)
        << std::strerror(errno);
    const SheetRun full =
        runSheet({"--add-picture-set", "Big", "--from", frontsFolder(freshDirectory("full-disk"))});
    const QStringList left = filesIn(sets);
    ::umount(QFile::encodeName(sets).constData());
    expectOneLineFailure(full, "No space left on device", "a full disk");
    EXPECT_TRUE(left.isEmpty()) << qPrintable(left.join(' '));
}

} // namespace zavolin::test
