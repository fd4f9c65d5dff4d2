#include "NewFile.h"

#include "platform/base/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace zavolin {

namespace {

[[noreturn]] void fail(const QString& reason) {
    raise(ErrNo::PathFileAccessError, reason);
}

QString errnoText(int number) {
    return QString::fromLocal8Bit(std::strerror(number));
}

// Makes path as a new file; false with *reason when it cannot (also when anything is there).
bool openNewFile(const QString& path, QFileDevice::Permissions permissions, QString* reason) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, permissions))
        return true;
    *reason = file.errorString();
    return false;
}

// What is at target, without following a link.
struct TargetKind {
    QString refusal;            // why no file can be put there
    std::optional<mode_t> mode; // the permissions of a file there
};

TargetKind targetKind(const QString& target) {
    struct stat status {};
    // A missing target or folder is told when the file beside it cannot be made.
    if (::lstat(QFile::encodeName(target).constData(), &status) != 0)
        return {};
    const mode_t type = status.st_mode & S_IFMT;
    if (type == S_IFREG)
        return {{}, status.st_mode & 07777};
    if (type == S_IFLNK)
        return {};
    if (type == S_IFDIR)
        return {QStringLiteral("it is a folder"), {}};
    if (type == S_IFIFO)
        return {QStringLiteral("it is a pipe (FIFO), not a file"), {}};
    if (type == S_IFCHR || type == S_IFBLK)
        return {QStringLiteral("it is a device, not a file"), {}};
    if (type == S_IFSOCK)
        return {QStringLiteral("it is a socket, not a file"), {}};
    return {QStringLiteral("it is not a file"), {}};
}

// Opens a new file beside target for writing.
int openReplacement(const QString& target, QString* path) {
    const TargetKind kind = targetKind(target);
    if (!kind.refusal.isEmpty())
        fail(kind.refusal);
    const QFileInfo info(target);
    const QString prefix =
        info.absolutePath() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.');
    // Made with no more than target's permissions, so the new content is never readable by
    // more than the old; fchmod then gives exactly target's, which the umask may have cut.
    const mode_t mode = kind.mode ? *kind.mode & 0777 : 0666;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString candidate =
            prefix +
            QString::number(QRandomGenerator::global()->generate64() & 0xffffffffffffULL, 36) +
            QStringLiteral(".part");
        const int fd = ::open(QFile::encodeName(candidate).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            fail(errnoText(errno));
        }
        if (kind.mode && ::fchmod(fd, *kind.mode) != 0) {
            const int error = errno;
            ::close(fd);
            ::unlink(QFile::encodeName(candidate).constData());
            fail(errnoText(error));
        }
        *path = candidate;
        return fd;
    }
    fail(QStringLiteral("no free file name"));
}

// Renames the flushed file over target, removing it when that fails.
void putInPlace(const QString& file, const QString& target) {
    const QByteArray from = QFile::encodeName(file);
    // Checked again right before: something else may have been put at target meanwhile.
    QString why = targetKind(target).refusal;
    if (why.isEmpty() && std::rename(from.constData(), QFile::encodeName(target).constData()) != 0)
        why = errnoText(errno);
    if (!why.isEmpty()) {
        ::unlink(from.constData());
        fail(why);
    }
    // The rename itself reaches the disk with the folder; the file is complete either way.
    const int folder = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

void createNewFile(const QString& path, QFileDevice::Permissions permissions) {
    QString reason;
    if (!openNewFile(path, permissions, &reason))
        fail(reason);
}

QString createUniqueFile(const QString& folder, const QString& prefix, const QString& suffix,
                         QFileDevice::Permissions permissions) {
    // A handful of tries: a clash of 48 random bits means something else is wrong.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString path =
            folder + QLatin1Char('/') + prefix +
            QString::number(QRandomGenerator::global()->generate64() & 0xffffffffffffULL, 36) +
            suffix;
        QString reason;
        if (openNewFile(path, permissions, &reason))
            return path;
        if (!QFile::exists(path))
            fail(reason);
    }
    fail(QStringLiteral("no free file name"));
}

void moveReplacing(const QString& file, const QString& target) {
    if (std::rename(QFile::encodeName(file).constData(), QFile::encodeName(target).constData()) !=
        0)
        fail(errnoText(errno));
}

QString notReplaceableReason(const QString& target) {
    return targetKind(target).refusal;
}

QString createReplacementFile(const QString& target) {
    QString path;
    ::close(openReplacement(target, &path));
    return path;
}

void commitReplacement(const QString& file, const QString& target) {
    const QByteArray native = QFile::encodeName(file);
    const int fd = ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    // Write errors of a file written through the page cache show at the latest in fsync.
    const bool flushed = fd >= 0 && ::fsync(fd) == 0;
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    if (!flushed) {
        ::unlink(native.constData());
        fail(errnoText(error));
    }
    putInPlace(file, target);
}

QString shortWriteReason(const QString& path) {
    struct statvfs space {};
    if (::statvfs(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &space) == 0) {
        if (space.f_flag & ST_RDONLY)
            return errnoText(EROFS);
        // A writer fails on the last block it cannot get; a few left over do not tell.
        constexpr unsigned long long AlmostFull = 64 * 1024;
        if (space.f_favail == 0 || (unsigned long long)space.f_bavail * space.f_frsize < AlmostFull)
            return errnoText(ENOSPC);
    }
    return QStringLiteral("it was not written completely");
}

void replaceFile(const QString& path, const QByteArray& bytes) {
    QString file;
    const int fd = openReplacement(QFileInfo(path).absoluteFilePath(), &file);
    bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    // close() may be the first to tell of a failed write (NFS).
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(QFile::encodeName(file).constData());
        fail(errnoText(error));
    }
    putInPlace(file, QFileInfo(path).absoluteFilePath());
}

} // namespace zavolin
