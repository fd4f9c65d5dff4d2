#include "RegularFile.h"

#include "platform/base/RuntimeError.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zavolin {
namespace {

[[noreturn]] void refuse(const QString& path, qint32 number, const QString& why) {
    raise(number, path + QStringLiteral(": ") + why);
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a pipe, not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a regular file");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a regular file");
    return QStringLiteral("it is not a regular file");
}

[[noreturn]] void refuseSize(const QString& path, qint64 size, qint64 limit) {
    refuse(path, ErrNo::PathFileAccessError,
           QStringLiteral("it is %1, more than the %2 such a file may have")
               .arg(sizeText(size), sizeText(limit)));
}

} // namespace

QString sizeText(qint64 bytes) {
    constexpr double Kilo = 1024;
    if (bytes < 1024)
        return QStringLiteral("%1 bytes").arg(bytes);
    if (bytes < 1024 * 1024)
        return QStringLiteral("%1 KB").arg(double(bytes) / Kilo, 0, 'f', 1);
    if (bytes < 1024LL * 1024 * 1024)
        return QStringLiteral("%1 MB").arg(double(bytes) / Kilo / Kilo, 0, 'f', 1);
    return QStringLiteral("%1 GB").arg(double(bytes) / Kilo / Kilo / Kilo, 0, 'f', 1);
}

QByteArray readRegularFile(const QString& path, qint64 limitBytes) {
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        refuse(path, error == ENOENT ? ErrNo::FileNotFound : ErrNo::PathFileAccessError,
               systemReason(error));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        refuse(path, ErrNo::PathFileAccessError, systemReason(errno));
    if (!S_ISREG(status.st_mode))
        refuse(path, ErrNo::PathFileAccessError, kindOf(status.st_mode));
    if (status.st_size > limitBytes)
        refuseSize(path, status.st_size, limitBytes);

    QByteArray bytes;
    bytes.resize(qsizetype(status.st_size));
    qint64 filled = 0;
    for (;;) {
        // One byte more than fstat said, to notice a file that grows while it is read.
        if (filled == bytes.size()) {
            if (filled > limitBytes)
                refuseSize(path, filled, limitBytes);
            bytes.resize(qsizetype(qMin(limitBytes + 1, filled + qMax<qint64>(filled / 4, 65536))));
        }
        const ssize_t got = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            refuse(path, ErrNo::PathFileAccessError, systemReason(errno));
        }
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(qsizetype(filled));
    return bytes;
}

} // namespace zavolin
