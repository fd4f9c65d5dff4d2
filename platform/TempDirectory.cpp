#include "TempDirectory.h"

#include "RuntimeError.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zavolin {
namespace {

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Why the directory is not private to this user, or an empty text when it is. With close set,
// a directory of ours that others may use is closed to them instead of refused. The checks
// and the change go through one descriptor opened without following links, so the entry
// cannot be swapped in between.
QString notPrivate(const QByteArray& path, bool close) {
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ELOOP)
            return QStringLiteral("it is a symbolic link");
        if (errno == ENOTDIR)
            return QStringLiteral("it is not a directory");
        return systemReason();
    }
    QString reason;
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        reason = systemReason();
    else if (info.st_uid != ::geteuid())
        reason = QStringLiteral("it belongs to another user");
    else if ((info.st_mode & 077) != 0 && !(close && ::fchmod(fd, 0700) == 0))
        reason = QStringLiteral("others may use it");
    ::close(fd);
    return reason;
}

QString withSeparator(const QString& path) {
    return path.endsWith(u'/') ? path : path + u'/';
}

} // namespace

QString privateTempDirectory(const QString& runtimeDir, const QString& systemTemp) {
    if (!runtimeDir.isEmpty() && notPrivate(QFile::encodeName(runtimeDir), false).isEmpty())
        return withSeparator(runtimeDir);

    const QString own =
        withSeparator(systemTemp) + QStringLiteral("zavolin-") + QString::number(::geteuid());
    const QByteArray path = QFile::encodeName(own);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        raise(ErrNo::PathFileAccessError,
              QStringLiteral("Path/File access error: the temporary directory %1 cannot be "
                             "created (%2).")
                  .arg(own, systemReason()));
    if (const QString reason = notPrivate(path, true); !reason.isEmpty())
        raise(ErrNo::PathFileAccessError,
              QStringLiteral("Path/File access error: the temporary directory %1 is not private "
                             "to this user (%2).")
                  .arg(own, reason));
    return withSeparator(own);
}

QString privateTempDirectory() {
    return privateTempDirectory(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath());
}

qint32 GetTempPathA(qint32 size, QString& buffer) {
    const QString path = privateTempDirectory();
    const auto length = qint32(path.size());
    if (length >= size)
        return length + 1;
    if (buffer.size() < size)
        buffer.append(QString(size - buffer.size(), u' '));
    buffer.replace(0, length, path);
    buffer[length] = QChar(0);
    return length;
}

} // namespace zavolin
