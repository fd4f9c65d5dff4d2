#include "OwnSetStore.h"

#include "platform/base/RuntimeError.h"
#include "platform/files/NewFile.h"
#include "platform/files/RegularFile.h"
#include "platform/pictures/PictureLoader.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zavolin {
namespace {

constexpr qsizetype LongestName = 100;
const QStringList Extensions = {QStringLiteral("png"), QStringLiteral("jpg"),
                                QStringLiteral("svg")};

QString setFolder(const QString& name) {
    return QDir(ownSetsFolder()).filePath(name);
}

// The set's picture file, or "" when the folder holds none.
QString gridFile(const QString& name) {
    for (const QString& extension : Extensions) {
        const QString path = QDir(setFolder(name)).filePath(QStringLiteral("set.") + extension);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

// A set being written or removed is a hidden folder that its process holds locked until it is
// done; one that no process holds was left by a crash (the lock goes with the process).
const QStringList UnfinishedPatterns = {QStringLiteral(".new-*"), QStringLiteral(".removed-*")};

// Opens the folder and locks it for this process; -1 when it cannot, or when `wait` is false
// and another process holds it.
int lockFolder(const QString& path, bool wait) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0 && ::flock(fd, LOCK_EX | (wait ? 0 : LOCK_NB)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

class FolderLock {
public:
    explicit FolderLock(const QString& path)
        : m_fd(lockFolder(path, true)) {}
    ~FolderLock() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int m_fd;
};

void clearUnfinishedSets() {
    const QDir folder(ownSetsFolder());
    for (const QString& name :
         folder.entryList(UnfinishedPatterns, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks)) {
        const QString path = folder.filePath(name);
        const int fd = lockFolder(path, false);
        if (fd < 0)
            continue;
        QDir(path).removeRecursively();
        ::close(fd);
    }
}

// Renames a folder, never over something of the new name (rename() would replace an empty
// folder); a failure is raised in the words `say` makes of the system's reason.
template <typename Say>
void moveFolder(const QString& from, const QString& to, Say&& say) {
    if (::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD,
                    QFile::encodeName(to).constData(), RENAME_NOREPLACE) != 0)
        raise(ErrNo::PathFileAccessError, say(QString::fromLocal8Bit(std::strerror(errno))));
}

void requireSet(const QString& name) {
    if (name.isEmpty() || gridFile(name).isEmpty())
        raise(ErrNo::FileNotFound, QStringLiteral("there is no own picture set \"%1\"").arg(name));
}

} // namespace

QString ownSetsFolder() {
    // XDG_DATA_HOME, or ~/.local/share without it.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Zavolin/sets"));
}

QStringList ownSetNames() {
    clearUnfinishedSets();
    QStringList names;
    const QDir folder(ownSetsFolder());
    // Hidden folders are sets being written or removed.
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (!gridFile(name).isEmpty())
            names << name;
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), collator);
    return names;
}

QString ownSetNameProblem(const QString& name) {
    if (name.trimmed().isEmpty())
        return QStringLiteral("a picture set needs a name");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QStringLiteral("\"%1\" holds a path separator; a set's name cannot").arg(name);
    if (std::any_of(name.begin(), name.end(), [](QChar c) {
            return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                   c == QChar::ParagraphSeparator;
        }))
        return QStringLiteral("a set's name cannot hold a line break, a tab or another control "
                              "character");
    if (name.startsWith(QLatin1Char('.')))
        return QStringLiteral("\"%1\" starts with a dot; a set's name cannot").arg(name);
    if (name.size() > LongestName)
        return QStringLiteral("a set's name has at most %1 characters").arg(LongestName);
    if (name != name.trimmed())
        return QStringLiteral("\"%1\" starts or ends with a space; a set's name cannot").arg(name);
    if (QFileInfo::exists(setFolder(name)))
        return QStringLiteral("there is a picture set \"%1\" already").arg(name);
    return {};
}

void storeOwnSet(const QString& name, const QByteArray& grid, const QString& extension) {
    if (const QString problem = ownSetNameProblem(name); !problem.isEmpty())
        raise(ErrNo::InvalidPropertyValue, problem);
    if (!Extensions.contains(extension))
        raise(ErrNo::InvalidPropertyValue,
              QStringLiteral("a set's picture is png, jpg or svg, not \"%1\"").arg(extension));
    if (!QDir().mkpath(ownSetsFolder()))
        raise(ErrNo::PathFileAccessError,
              QStringLiteral("cannot make the folder %1").arg(ownSetsFolder()));
    clearUnfinishedSets();
    // Written beside its place under a hidden name, which the listing passes over; removed
    // again on any failure, and by a later listing when a crash came first.
    QTemporaryDir partial(QDir(ownSetsFolder()).filePath(QStringLiteral(".new-XXXXXX")));
    if (!partial.isValid())
        raise(ErrNo::PathFileAccessError,
              QStringLiteral("cannot write in %1: %2").arg(ownSetsFolder(), partial.errorString()));
    const FolderLock writing(partial.path());
    rephrased(
        ErrNo::PathFileAccessError,
        [&](const QString& why) {
            return QStringLiteral("cannot write the set \"%1\": %2").arg(name, why);
        },
        [&] { replaceFile(partial.filePath(QStringLiteral("set.") + extension), grid); });
    moveFolder(partial.path(), setFolder(name), [&](const QString& why) {
        return QStringLiteral("cannot put the set \"%1\" in place in %2: %3")
            .arg(name, ownSetsFolder(), why);
    });
    partial.setAutoRemove(false);
}

std::shared_ptr<const Picture> loadOwnSet(const QString& name) {
    requireSet(name);
    try {
        return loadPicture(readRegularFile(gridFile(name), MaxPictureFileBytes));
    } catch (const RuntimeError& e) {
        raise(e.number(),
              QStringLiteral("cannot read the picture set \"%1\": %2").arg(name, e.description()));
    }
}

void removeOwnSet(const QString& name) {
    requireSet(name);
    // Renamed out of the list first, so that a removal stopped half way shows no broken set.
    const FolderLock removing(setFolder(name));
    QTemporaryDir gone(QDir(ownSetsFolder()).filePath(QStringLiteral(".removed-XXXXXX")));
    const QString aside = gone.path();
    if (!gone.isValid())
        raise(ErrNo::PathFileAccessError, QStringLiteral("cannot remove the picture set \"%1\": %2")
                                              .arg(name, gone.errorString()));
    QDir().rmdir(aside);
    moveFolder(setFolder(name), aside, [&](const QString& why) {
        return QStringLiteral("cannot remove the picture set \"%1\" from %2: %3")
            .arg(name, ownSetsFolder(), why);
    });
    QDir(aside).removeRecursively();
}

void renameOwnSet(const QString& from, const QString& to) {
    requireSet(from);
    if (from == to)
        return;
    if (const QString problem = ownSetNameProblem(to); !problem.isEmpty())
        raise(ErrNo::InvalidPropertyValue, problem);
    moveFolder(setFolder(from), setFolder(to), [&](const QString& why) {
        return QStringLiteral("cannot rename the picture set \"%1\" to \"%2\": %3")
            .arg(from, to, why);
    });
}

} // namespace zavolin
