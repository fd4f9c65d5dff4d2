#include "ModResFiles.h"

#include "errors/Trap.h"
#include "platform/base/RuntimeError.h"
#include "platform/files/NewFile.h"
#include "resources/ProgramResources.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

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
        QString target;
        trap.at(50140, [&] { target = QFileInfo(Path).absoluteFilePath(); });
        trap.at(50170, [&] {
            // Made beside the target by the program's one writer: never an existing file or a
            // link, and a failure says why.
            try {
                out.file.setFileName(createReplacementFile(target));
            } catch (const RuntimeError& e) {
                fileError(Path, e.description());
            }
            if (!out.file.open(QIODevice::WriteOnly | QIODevice::Append))
                fileError(Path, out.file.errorString());
        });
        trap.at(50200, [&] {
            if (!out.file.isOpen())
                raise(ErrNo::BadFileNameOrNumber,
                      QStringLiteral("Bad file name or number: %1 is not open.").arg(Path));
            if (out.file.write(bytes) != bytes.size() || !out.file.flush())
                fileError(Path, out.file.errorString());
            out.complete = true;
        });
        trap.at(50230, [&] {
            out.file.close();
            // A file never opened or not completely written is dropped: the target keeps
            // what it had.
            if (!out.complete || out.placed)
                return;
            // Flushed to the disk, then renamed over the entry at Path: a link there is
            // replaced itself.
            try {
                commitReplacement(out.file.fileName(), target);
            } catch (const RuntimeError& e) {
                fileError(Path, e.description());
            }
            out.placed = true;
        });
        trap.at(50260, [&] { result = 0; });
    });
    return result;
}

} // namespace zavolin
