#include "CommandInputs.h"

#include "PluginPictureSets.h"
#include "QuietStandardError.h"
#include "platform/base/RuntimeError.h"
#include "platform/files/NewFile.h"
#include "platform/files/RegularFile.h"
#include "platform/pictures/PictureLoader.h"
#include "platform/print/DefaultPrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace zavolin {
namespace {

// Stands in for a picture set when none is given: every banknote cell stays empty.
class EmptyPictureSet : public Picture {
public:
    QSizeF size() const override { return {2, 10}; }
    void draw(QPainter&, const QRectF&) const override {}
};

std::shared_ptr<const Picture> pictureFile(const QString& path) {
    if (path.isEmpty())
        return std::make_shared<EmptyPictureSet>();
    QByteArray bytes;
    try {
        bytes = readRegularFile(path, MaxPictureFileBytes);
    } catch (const RuntimeError& e) {
        raise(e.number(), QStringLiteral("cannot read the picture set %1").arg(e.description()));
    }
    try {
        // A broken picture is told in the command's one line, not in the decoder's own.
        const QuietStandardError quiet;
        return loadPicture(bytes);
    } catch (const RuntimeError& e) {
        raise(e.number(),
              QStringLiteral("cannot use \"%1\" as a picture set: %2").arg(path, e.description()));
    }
}

} // namespace

std::shared_ptr<const Picture> requestedPictures(const SheetRequest& request) {
    return request.pictureSet.isEmpty() ? pictureFile(request.pictures)
                                        : pluginPictureSet(request.pictureSet);
}

void checkWritable(const QString& path) {
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    QString why;
    // Only what is at the path itself counts: a link there is replaced, never followed.
    if (const QString refusal = notReplaceableReason(target.absoluteFilePath());
        !refusal.isEmpty()) {
        why = refusal;
    } else if (QFileInfo::exists(folder) && !QFileInfo(folder).isDir()) {
        why = QStringLiteral("%1 is not a folder").arg(folder);
    } else if (!QDir(folder).exists()) {
        why = QStringLiteral("the folder %1 does not exist").arg(folder);
    } else {
        QTemporaryFile probe(folder + QStringLiteral("/.zavolin-sheet-XXXXXX"));
        if (!probe.open())
            why = probe.errorString();
    }
    if (!why.isEmpty())
        raise(ErrNo::PathFileAccessError, QStringLiteral("cannot write \"%1\": %2").arg(path, why));
}

QString printQueue(const SheetRequest& request) {
    if (!request.printer.isEmpty())
        return request.printer;
    const PrinterChoice choice = chooseDefaultPrinter();
    if (!choice.missingReason.isEmpty())
        raise(ErrNo::PrinterError, choice.missingReason);
    if (choice.queue.isEmpty())
        raise(ErrNo::PrinterError, QStringLiteral("there is no printer on this system"));
    return choice.queue;
}

} // namespace zavolin
