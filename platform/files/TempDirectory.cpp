#include "TempDirectory.h"

#include "platform/base/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <ftw.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace zavolin {
namespace {

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Why the directory is not private to this user, or an empty text when it is: a real
// directory, not a link, owned by this user and closed to others. The checks go through one
// descriptor opened without following links, so the entry cannot be swapped in between.
QString notPrivate(const QByteArray& path) {
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
    else if ((info.st_mode & 077) != 0)
        reason = QStringLiteral("others may use it");
    ::close(fd);
    return reason;
}

QString withSeparator(const QString& path) {
    return path.endsWith(u'/') ? path : path + u'/';
}

int removeEntry(const char* path, const struct stat*, int, struct FTW*) {
    return ::remove(path);
}

// The directories made under names no one can guess, one for each system temporary directory
// asked for, kept for the process's life and removed with their contents at its end.
class FreshDirectories {
public:
    ~FreshDirectories() {
        for (const QString& path : std::as_const(m_made))
            ::nftw(QFile::encodeName(path).constData(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
    }

    // The directory made before under systemTemp while it is still private, else a new one.
    QString under(const QString& systemTemp) {
        const std::lock_guard<std::mutex> hold(m_mutex);
        const QString made = m_made.value(systemTemp);
        if (!made.isEmpty() && notPrivate(QFile::encodeName(made)).isEmpty())
            return made;
        QByteArray path =
            QFile::encodeName(withSeparator(systemTemp) + QStringLiteral("zavolin-XXXXXX"));
        if (!::mkdtemp(path.data()))
            raise(ErrNo::PathFileAccessError,
                  QStringLiteral("Path/File access error: no temporary directory can be created "
                                 "in %1 (%2).")
                      .arg(systemTemp, systemReason()));
        const QString fresh = QFile::decodeName(path);
        m_made.insert(systemTemp, fresh);
        return fresh;
    }

private:
    std::mutex m_mutex;
    QHash<QString, QString> m_made;
};

FreshDirectories& freshDirectories() {
    static FreshDirectories directories;
    return directories;
}

} // namespace

QString privateTempDirectory(const QString& runtimeDir, const QString& systemTemp) {
    if (!runtimeDir.isEmpty() && notPrivate(QFile::encodeName(runtimeDir)).isEmpty())
        return withSeparator(runtimeDir);

    // The fixed name is used when it is, or can be made, a directory private to us. Anyone may
    // take that name first, and a directory that was open to others may hold what they put
    // there, so then a fresh one is made instead: never a name known in advance, and never
    // the working folder through an error.
    const QString own =
        withSeparator(systemTemp) + QStringLiteral("zavolin-") + QString::number(::geteuid());
    const QByteArray path = QFile::encodeName(own);
    if ((::mkdir(path.constData(), 0700) == 0 || errno == EEXIST) && notPrivate(path).isEmpty())
        return withSeparator(own);
    return withSeparator(freshDirectories().under(systemTemp));
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
