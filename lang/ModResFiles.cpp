#include "ModResFiles.h"

#include "errors/Trap.h"
#include "platform/RuntimeError.h"
#include "resources/ProgramResources.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zavolin {
namespace {

// The classic "resource not found" number.
constexpr qint32 ResourceNotFound = 326;

QByteArray resourceBytes(qint16 id, const QString& type) {
    initProgramResources();
    const QString name = QStringLiteral(":/%1/%2").arg(type).arg(id);
    QFile resource(name);
    if (!resource.open(QIODevice::ReadOnly))
        raise(ResourceNotFound,
              QStringLiteral("Resource with identifier %1 of type \"%2\" not found.")
                  .arg(id)
                  .arg(type));
    return resource.readAll();
}

// A name for the new file, in the target's own directory so that renaming it over the target
// is one step on one file system.
QString newFileName(const QString& target) {
    const QFileInfo info(target);
    return info.path() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.') +
           QString::number(QRandomGenerator::global()->generate64() & 0xffffffffffffULL, 36);
}

[[noreturn]] void fileError(const QString& path, const QString& reason) {
    const bool missingFolder = !QFileInfo(QFileInfo(path).path()).isDir();
    raise(missingFolder ? ErrNo::PathNotFound : ErrNo::PathFileAccessError,
          QStringLiteral("%1: %2 (%3).")
              .arg(missingFolder ? QStringLiteral("Path not found")
                                 : QStringLiteral("Path/File access error"),
                   path, reason));
}

// The new file until it has taken the target's place; removed if it never does.
struct NewFile {
    QFile file;
    bool complete = false;
    bool placed = false;
    ~NewFile() {
        if (!placed && !file.fileName().isEmpty()) {
            file.close();
            file.remove();
        }
    }
};

} // namespace

qint32 SaveResItemToDisk(qint16 iResourceNum, const QString& sResourceType, const QString& Path) {
    qint32 result = 0;
    Trap trap(QStringLiteral("ModResFiles"), QStringLiteral("SaveResItemToDisk"));
    trap.run([&] {
        QByteArray bytes;
        NewFile out;
        trap.at(50110, [&] { bytes = resourceBytes(iResourceNum, sResourceType); });
        trap.at(50140, [&] { out.file.setFileName(newFileName(Path)); });
        trap.at(50170, [&] {
            // NewOnly never opens an existing file or follows a link; a name that is taken
            // (a clash or a planted entry) is traded for another.
            for (int attempt = 0; !out.file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
                 ++attempt) {
                const QFileInfo taken(out.file.fileName());
                if (!(taken.exists() || taken.isSymLink()) || attempt == 15)
                    fileError(Path, out.file.errorString());
                out.file.setFileName(newFileName(Path));
            }
        });
        trap.at(50200, [&] {
            if (!out.file.isOpen())
                raise(ErrNo::BadFileNameOrNumber,
                      QStringLiteral("Bad file name or number: %1 is not open.").arg(Path));
            if (!out.file.seek(0) || out.file.write(bytes) != bytes.size())
                fileError(Path, out.file.errorString());
            out.complete = true;
        });
        trap.at(50230, [&] {
            if (out.file.isOpen()) {
                if (!out.file.flush())
                    fileError(Path, out.file.errorString());
                out.file.close();
            }
            // A file never opened or not completely written is dropped: the target keeps
            // what it had.
            if (!out.complete || out.placed)
                return;
            // rename() replaces the directory entry at Path: a link there is replaced itself.
            if (std::rename(QFile::encodeName(out.file.fileName()).constData(),
                            QFile::encodeName(Path).constData()) != 0)
                fileError(Path, QString::fromLocal8Bit(std::strerror(errno)));
            out.placed = true;
        });
        trap.at(50260, [&] { result = 0; });
    });
    return result;
}

} // namespace zavolin
