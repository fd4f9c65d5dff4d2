#include "SheetCommand.h"

#include "PluginPictureSets.h"
#include "QuietStandardError.h"
#include "platform/CupsQueuePrinter.h"
#include "platform/DefaultPrinter.h"
#include "platform/PictureClip.h"
#include "platform/PictureLoader.h"
#include "platform/RuntimeError.h"
#include "sheet/ImageSurface.h"
#include "sheet/PageEngine.h"
#include "sheet/PreviewScale.h"
#include "sheet/ScaleFactor.h"
#include "sheet/SizeNotes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cmath>

namespace zavolin {
namespace {

// The client height of the program's window as it first opens.
constexpr double WindowClientHeight = 673;

// Stands in for a picture set when none is given: every banknote cell stays empty.
class EmptyPictureSet : public Picture {
public:
    QSizeF size() const override { return {2, 10}; }
    void draw(QPainter&, const QRectF&) const override {}
};

std::shared_ptr<const Picture> pictureSet(const QString& path) {
    if (path.isEmpty())
        return std::make_shared<EmptyPictureSet>();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        raise(
            ErrNo::FileNotFound,
            QStringLiteral("cannot read the picture set \"%1\": %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    try {
        // A broken picture is told in the command's one line, not in the decoder's own.
        const QuietStandardError quiet;
        return loadPicture(bytes);
    } catch (const RuntimeError& e) {
        raise(e.number(),
              QStringLiteral("cannot use \"%1\" as a picture set: %2").arg(path, e.description()));
    }
}

// Says what is wrong with the output's place before anything is drawn, so the message names
// the file rather than the drawing step that first touches it.
void checkWritable(const QString& path) {
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    QString why;
    if (target.isDir()) {
        why = QStringLiteral("it is a folder");
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

std::unique_ptr<Printer> printerFor(const SheetRequest& request) {
    if (request.output != SheetRequest::Output::Print)
        // The preview's geometry is that of the page a PDF would get; nothing is written to
        // this printer unless the output is a PDF.
        return openPdfFilePrinter(request.outputPath, request.paper);
    const PrinterChoice choice = chooseDefaultPrinter();
    if (!choice.missingReason.isEmpty())
        raise(ErrNo::PrinterError, choice.missingReason);
    if (choice.queue.isEmpty())
        raise(ErrNo::PrinterError, QStringLiteral("there is no printer on this system"));
    return openCupsQueuePrinter(choice.queue);
}

void writePreview(const SheetRequest& r, Printer& printer, const PageRequest& page,
                  const PageContent& content) {
    const QSizeF size =
        previewSize(WindowClientHeight, paperRatio(printer, content.sheet.geometry));
    ImageSurface bild(QSize(int(std::lround(size.width())), int(std::lround(size.height()))));
    drawPage(bild, page, previewScale(bild.scaleHeight(), printer), content);
    QSaveFile file(r.outputPath);
    if (!file.open(QIODevice::WriteOnly) || !bild.image().save(&file, "PNG") || !file.commit())
        raise(ErrNo::PathFileAccessError,
              QStringLiteral("cannot write \"%1\": %2").arg(r.outputPath, file.errorString()));
}

} // namespace

void makeSheet(const SheetRequest& r) {
    if (r.output != SheetRequest::Output::Print)
        checkWritable(r.outputPath);
    PictureClip clip;
    clip.setPicture(r.pictureSet.isEmpty() ? pictureSet(r.pictures)
                                           : pluginPictureSet(r.pictureSet));
    const std::unique_ptr<Printer> printer = printerFor(r);

    SizeTable sizes;
    SizeNotes(sizes);
    const PageRequest page{r.Denom, r.Side};
    PageGeometry geometry;
    ScaleFactor(*printer, sizes, page.Denom, page.Side, geometry, {});
    const PageContent content{{sizes, geometry, {r.LeftMargin, r.TopMargin}}, clip};

    if (r.output == SheetRequest::Output::Png) {
        writePreview(r, *printer, page, content);
        return;
    }
    PrintJob job;
    job.copies = [&] { return r.copies; };
    // The command was asked for that many: a printer that cannot do them is an error.
    job.refusedCopies = RefusedCopies::Fail;
    printPages(*printer, {page}, content, job);
}

} // namespace zavolin
