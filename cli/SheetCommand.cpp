#include "SheetCommand.h"

#include "CommandInputs.h"
#include "SetCommand.h"
#include "platform/base/RuntimeError.h"
#include "platform/files/NewFile.h"
#include "platform/pictures/PictureClip.h"
#include "platform/print/CupsQueuePrinter.h"
#include "sheet/DrawingPageJobs.h"
#include "sheet/ImageSurface.h"
#include "sheet/NoteTemplate.h"
#include "sheet/PageEngine.h"
#include "sheet/PreviewScale.h"
#include "sheet/ScaleFactor.h"
#include "sheet/SizeNotes.h"

#include <QBuffer>
#include <cmath>

namespace zavolin {
namespace {

// The client height of the program's window as it first opens.
constexpr double WindowClientHeight = 673;

std::unique_ptr<Printer> printerFor(const SheetRequest& request) {
    if (request.output != SheetRequest::Output::Print)
        // The preview's geometry is that of the page a PDF would get; nothing is written to
        // this printer unless the output is a PDF.
        return openPdfFilePrinter(request.outputPath, request.paper);
    CupsJobOptions options;
    if (request.paperGiven)
        options.paper = request.paper;
    return openCupsQueuePrinter(printQueue(request), options);
}

void writePreview(const SheetRequest& r, Printer& printer, const PageRequest& page,
                  const PageContent& content) {
    const QSizeF size =
        previewSize(WindowClientHeight, paperRatio(printer, content.sheet.geometry));
    ImageSurface bild(QSize(int(std::lround(size.width())), int(std::lround(size.height()))));
    drawPage(bild, page, previewScale(bild.scaleHeight(), printer), content);
    // Made whole in memory first: the file is written in one piece and its write checked.
    QByteArray png;
    QBuffer buffer(&png);
    const auto cannotWrite = [&](const QString& why) {
        return QStringLiteral("cannot write \"%1\": %2").arg(r.outputPath, why);
    };
    if (!buffer.open(QIODevice::WriteOnly) || !bild.image().save(&buffer, "PNG"))
        raise(ErrNo::PathFileAccessError,
              cannotWrite(QStringLiteral("the PNG image could not be made")));
    rephrased(ErrNo::PathFileAccessError, cannotWrite, [&] { replaceFile(r.outputPath, png); });
}

} // namespace

void makeSheet(const SheetRequest& r) {
    if (r.kind != SheetRequest::Kind::Page) {
        makeSetPages(r);
        return;
    }
    if (r.output != SheetRequest::Output::Print)
        checkWritable(r.outputPath);
    PictureClip clip;
    clip.setPicture(requestedPictures(r));
    const std::unique_ptr<Printer> printer = printerFor(r);

    SizeTable sizes;
    SizeNotes(sizes);
    const PageRequest page{r.Denom, r.Side};
    PageGeometry geometry;
    ScaleFactor(*printer, sizes, page.Denom, page.Side, geometry, {}, {r.columns, r.TopMargin});
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

void makeTemplate(const QString& path, StandardPaper paper, const QList<qint16>& values) {
    checkWritable(path);
    SizeTable sizes;
    SizeNotes(sizes);
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        writeDrawingPages(path, paper, sizes, values);
    else
        writeNoteTemplate(path, sizes, noteTemplateTexts());
}

} // namespace zavolin
