#include "OwnSetStore.h"

#include "platform/PictureLoader.h"
#include "platform/RuntimeError.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

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
    // Written beside its place under a hidden name, which the listing passes over; removed
    // again on any failure.
    QTemporaryDir partial(QDir(ownSetsFolder()).filePath(QStringLiteral(".new-XXXXXX")));
    if (!partial.isValid())
        raise(ErrNo::PathFileAccessError,
              QStringLiteral("cannot write in %1: %2").arg(ownSetsFolder(), partial.errorString()));
    QSaveFile file(partial.filePath(QStringLiteral("set.") + extension));
    if (!file.open(QIODevice::WriteOnly) || file.write(grid) != grid.size() || !file.commit())
        raise(ErrNo::PathFileAccessError,
              QStringLiteral("cannot write the set \"%1\": %2").arg(name, file.errorString()));
    if (!QDir().rename(partial.path(), setFolder(name)))
        raise(
            ErrNo::PathFileAccessError,
            QStringLiteral("cannot put the set \"%1\" in place in %2").arg(name, ownSetsFolder()));
    partial.setAutoRemove(false);
}

std::shared_ptr<const Picture> loadOwnSet(const QString& name) {
    requireSet(name);
    QFile file(gridFile(name));
    if (!file.open(QIODevice::ReadOnly))
        raise(
            ErrNo::FileNotFound,
            QStringLiteral("cannot read the picture set \"%1\": %2").arg(name, file.errorString()));
    // Copied from the mapped file in one piece: read in chunks, the decoded picture's tens of
    // megabytes came from fresh pages on every choice (ten times the page faults, 60 ms more).
    const qint64 size = file.size();
    if (const uchar* mapped = size > 0 ? file.map(0, size) : nullptr)
        return loadPicture(QByteArray(reinterpret_cast<const char*>(mapped), size));
    return loadPicture(file.readAll());
}

void removeOwnSet(const QString& name) {
    requireSet(name);
    // Renamed out of the list first, so that a removal stopped half way shows no broken set.
    QTemporaryDir gone(QDir(ownSetsFolder()).filePath(QStringLiteral(".removed-XXXXXX")));
    const QString aside = gone.path();
    if (!gone.isValid() || !QDir().rmdir(aside) || !QDir().rename(setFolder(name), aside))
        raise(ErrNo::PathFileAccessError,
              QStringLiteral("cannot remove the picture set \"%1\" from %2")
                  .arg(name, ownSetsFolder()));
    QDir(aside).removeRecursively();
}

void renameOwnSet(const QString& from, const QString& to) {
    requireSet(from);
    if (from == to)
        return;
    if (const QString problem = ownSetNameProblem(to); !problem.isEmpty())
        raise(ErrNo::InvalidPropertyValue, problem);
    if (!QDir().rename(setFolder(from), setFolder(to)))
        raise(ErrNo::PathFileAccessError,
              QStringLiteral("cannot rename the picture set \"%1\" to \"%2\"").arg(from, to));
}

} // namespace zavolin
