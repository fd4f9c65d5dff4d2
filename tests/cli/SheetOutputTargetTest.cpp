// What zavolin-sheet finds at the path it writes to: a link is replaced and never written
// through, a device, a pipe or a folder is refused, a file keeps its permissions, and a full disk
// leaves nothing behind; for each kind of file the command writes.
#include "SheetProcess.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <tuple>
#include <unistd.h>

namespace zavolin::test {
namespace {

struct OutputKind {
    const char* name;     // the test's name for it
    const char* fileName; // of the output
    const char* options;  // before the output's path

    QStringList arguments(const QString& path) const {
        return QString::fromLatin1(options).split(QLatin1Char(' ')) << path;
    }
};

const OutputKind Outputs[] = {
    {"SheetPdf", "sheet.pdf", "--output"},
    {"SheetPng", "sheet.png", "--output"},
    {"CalibrationPdf", "calibration.pdf", "--calibration --output"},
    {"TemplateSvg", "template.svg", "--template"},
    {"TemplatePng", "template.png", "--template"},
};

constexpr const char* LinkedFile = "linked.txt";
constexpr const char* Filler = "filler";
const QByteArray EarlierBytes("the earlier file\n");

mode_t typeOf(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

mode_t permissionsOf(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Fills the folder's file system to the last byte.
bool fill(const QString& folder) {
    const int fd = ::open(QFile::encodeName(QDir(folder).filePath(Filler)).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'x');
    while (::write(fd, block.constData(), size_t(block.size())) > 0) {
    }
    // Whatever is left is smaller than a block.
    while (::write(fd, "x", 1) > 0) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

// A small file system mounted on a folder for one case, gone with it.
class SmallDisk {
public:
    explicit SmallDisk(const QString& folder)
        : m_folder(QFile::encodeName(folder)) {
        if (::mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=64k") == 0)
            m_mounted = true;
        else
            m_problem = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallDisk() {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    const QString& problem() const { return m_problem; }

private:
    QByteArray m_folder;
    bool m_mounted = false;
    QString m_problem;
};

enum class Found { Link, Pipe, Device, Folder, PrivateFile, FullDisk };

struct TargetCase {
    const char* name;
    Found found;
    const char* says; // a part of the one line of a refusal; nullptr when the run succeeds
};

const TargetCase Cases[] = {
    {"LinkIsReplacedNotWrittenThrough", Found::Link, nullptr},
    {"PipeIsRefused", Found::Pipe, "pipe"},
    {"DeviceIsRefused", Found::Device, "device"},
    {"FolderIsRefused", Found::Folder, "folder"},
    {"FileKeepsItsPermissions", Found::PrivateFile, nullptr},
    {"FullDiskLeavesNoFile", Found::FullDisk, ""},
};

// Names in failure messages instead of the bytes of the table's rows.
void PrintTo(const TargetCase& c, std::ostream* out) {
    *out << c.name;
}
void PrintTo(const OutputKind& output, std::ostream* out) {
    *out << output.name;
}

class SheetOutputTarget : public testing::TestWithParam<std::tuple<TargetCase, OutputKind>> {};

TEST_P(SheetOutputTarget, IsReplacedWholeOrRefusedWithNothingWritten) {
    const auto& [c, output] = GetParam();
    const QString folder = freshDirectory(QStringLiteral("target-%1-%2").arg(c.name, output.name));
    const QString path = QDir(folder).filePath(output.fileName);
    const QByteArray nativePath = QFile::encodeName(path);
    const QString what = QStringLiteral("%1 at %2").arg(c.name, path);

    std::optional<SmallDisk> disk;
    QStringList othersLeft; // what the folder holds beside the output after the run
    switch (c.found) {
    case Found::Link:
        ASSERT_TRUE(writeFile(QDir(folder).filePath(LinkedFile), EarlierBytes));
        ASSERT_EQ(::symlink(LinkedFile, nativePath.constData()), 0) << std::strerror(errno);
        othersLeft << LinkedFile;
        break;
    case Found::Pipe:
        ASSERT_EQ(::mkfifo(nativePath.constData(), 0644), 0) << std::strerror(errno);
        break;
    case Found::Device:
        // The numbers of /dev/null.
        if (::mknod(nativePath.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
            GTEST_SKIP() << "no device can be made here: " << std::strerror(errno);
        }
        break;
    case Found::Folder:
        ASSERT_TRUE(QDir(folder).mkdir(output.fileName));
        break;
    case Found::PrivateFile:
        ASSERT_TRUE(writeFile(path, EarlierBytes));
        ASSERT_EQ(::chmod(nativePath.constData(), 0600), 0);
        break;
    case Found::FullDisk:
        disk.emplace(folder);
        if (!disk->mounted()) {
            GTEST_SKIP() << "no small file system can be mounted here: "
                         << qPrintable(disk->problem());
        }
        ASSERT_TRUE(fill(folder));
        othersLeft << Filler;
        break;
    }
    const mode_t typeBefore = typeOf(path);

    const SheetRun run = runSheet(output.arguments(path));

    if (c.says) {
        expectOneLineFailure(run, QString::fromLatin1(c.says), what);
        // A refusal names the path; a full disk may name the file written beside it.
        EXPECT_TRUE(c.found == Found::FullDisk || run.errors.contains(path))
            << qPrintable(run.errors);
        EXPECT_EQ(typeOf(path), typeBefore) << qPrintable(what);
    } else {
        EXPECT_EQ(run.exitCode, 0) << qPrintable(what) << ": " << qPrintable(run.errors);
        EXPECT_TRUE(run.errors.isEmpty()) << qPrintable(what) << ": " << qPrintable(run.errors);
        EXPECT_EQ(typeOf(path), mode_t(S_IFREG)) << qPrintable(what);
        EXPECT_GT(QFileInfo(path).size(), EarlierBytes.size()) << qPrintable(what);
    }
    switch (c.found) {
    case Found::Link:
        EXPECT_EQ(readFile(QDir(folder).filePath(LinkedFile)), EarlierBytes) << qPrintable(what);
        break;
    case Found::Folder:
        EXPECT_TRUE(filesIn(path).isEmpty()) << qPrintable(what);
        break;
    case Found::PrivateFile:
        EXPECT_EQ(permissionsOf(path), mode_t(0600)) << qPrintable(what);
        break;
    default:
        break;
    }
    // Nothing else is left, no temporary file beside the output either.
    QStringList expected = othersLeft;
    if (c.found != Found::FullDisk)
        expected << output.fileName;
    expected.sort();
    EXPECT_EQ(filesIn(folder), expected) << qPrintable(what);
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, SheetOutputTarget,
    testing::Combine(testing::ValuesIn(Cases), testing::ValuesIn(Outputs)),
    [](const testing::TestParamInfo<std::tuple<TargetCase, OutputKind>>& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
    });

} // namespace
} // namespace zavolin::test
