#include "TrustedLibrary.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace zavolin {
namespace {

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The path with every link, "." and ".." resolved; empty (errno set) when it cannot be.
QByteArray realPath(const QString& path) {
    char* resolved = ::realpath(QFile::encodeName(path).constData(), nullptr);
    if (!resolved)
        return {};
    QByteArray result(resolved);
    std::free(resolved);
    return result;
}

QByteArray parentOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// What makes a file or folder of that status untrusted, to follow its name; empty when nothing.
QString flawOf(const struct stat& status) {
    if (status.st_uid != ::geteuid() && status.st_uid != 0)
        return QStringLiteral("is owned by user %1").arg(status.st_uid);
    if ((status.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return QStringLiteral("can be written by others");
    return {};
}

// The first flaw of the real folders from `folder` up to `top`, or up to the root when `top`
// is not above it: "the folder /x can be written by others". Empty when there is none.
QString folderFlaw(QByteArray folder, const QByteArray& top) {
    const bool below = top == "/" || folder == top || folder.startsWith(top + '/');
    for (;;) {
        const QString name = QFile::decodeName(folder);
        struct stat status {};
        if (::stat(folder.constData(), &status) != 0)
            return QStringLiteral("the folder %1 cannot be examined (%2)")
                .arg(name, systemReason());
        if (const QString flaw = flawOf(status); !flaw.isEmpty())
            return QStringLiteral("the folder %1 %2").arg(name, flaw);
        if ((below && folder == top) || folder == "/")
            return {};
        folder = parentOf(folder);
    }
}

QString whyNotUsed(const QString& library, const QString& pluginFolder) {
    const QByteArray top = realPath(pluginFolder);
    if (top.isEmpty())
        return QStringLiteral("its plug-in folder %1 cannot be examined (%2)")
            .arg(pluginFolder, systemReason());
    // The folders the name lies in: whoever may write there may put another file in its place.
    const QByteArray holder = realPath(QFileInfo(library).absolutePath());
    if (holder.isEmpty())
        return QStringLiteral("its folder cannot be examined (%1)").arg(systemReason());
    if (const QString flaw = folderFlaw(holder, top); !flaw.isEmpty())
        return flaw;

    const QByteArray path = QFile::encodeName(library);
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0)
        return QStringLiteral("it cannot be examined (%1)").arg(systemReason());
    QString subject = QStringLiteral("it");
    if (S_ISLNK(status.st_mode)) {
        const QByteArray target = realPath(library);
        if (target.isEmpty() || ::stat(target.constData(), &status) != 0)
            return QStringLiteral("it is a link that cannot be followed (%1)").arg(systemReason());
        subject = QStringLiteral("its target %1").arg(QFile::decodeName(target));
        if (const QString flaw = folderFlaw(parentOf(target), top); !flaw.isEmpty())
            return flaw;
    }
    if (!S_ISREG(status.st_mode))
        return subject + QStringLiteral(" is not a regular file");
    if (const QString flaw = flawOf(status); !flaw.isEmpty())
        return subject + QLatin1Char(' ') + flaw;
    return {};
}

} // namespace

QString untrustedReason(const QString& library, const QString& pluginFolder) {
    const QString why = whyNotUsed(library, pluginFolder);
    return why.isEmpty() ? QString() : QStringLiteral("%1 is not used: %2").arg(library, why);
}

} // namespace zavolin
