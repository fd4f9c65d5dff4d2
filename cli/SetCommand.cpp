#include "SetCommand.h"

#include "CommandInputs.h"
#include "lang/SetTexts.h"
#include "platform/CupsQueue.h"
#include "platform/PictureClip.h"
#include "platform/QtPrinter.h"
#include "platform/RuntimeError.h"
#include "sheet/SetJobs.h"
#include "sheet/SizeNotes.h"

#include <cstdio>

namespace zavolin {
namespace {

using Kind = SheetRequest::Kind;

// Every page in one file.
QList<PageRequest> filePages(const SheetRequest& r) {
    if (r.kind == Kind::Calibration)
        return calibrationDocuments(true, r.backOffset).first().pages;
    return setFilePages(r.values, r.sides, r.backOffset, r.copies);
}

// Waits until the user has put the printed fronts back; false when no one answers.
bool turnedStackBack() {
    std::fputs((turnOverInstruction() +
                QStringLiteral("\nPress Enter to print the backs (Ctrl+D stops here).\n"))
                   .toLocal8Bit(),
               stdout);
    std::fflush(stdout);
    char line[256];
    return std::fgets(line, sizeof line, stdin) != nullptr;
}

void printSet(const SheetRequest& r, const SetContent& content) {
    const QString queue = printQueue();
    const bool twoSided = cupsQueueStatus(queue).twoSided;
    SetSides sides = r.sides;
    if (r.kind == Kind::Calibration && !r.sidesGiven)
        sides = twoSided ? SetSides::TwoSided : SetSides::TurnByHand;
    if (sides == SetSides::TwoSided && !twoSided)
        raise(ErrNo::PrinterError,
              QStringLiteral("the printer \"%1\" cannot print on both sides of the paper; "
                             "--duplex manual turns the sheets over by hand")
                  .arg(queue));
    const QList<SetDocument> documents =
        r.kind == Kind::Calibration
            ? calibrationDocuments(sides == SetSides::TwoSided, r.backOffset)
            : setDocuments(r.values, sides, r.backOffset);
    QStringList sent;
    printSetJobs(
        queue, withFootnotes(documents, setFootnote, calibrationInstruction), content,
        r.kind == Kind::Calibration ? 1 : r.copies, {},
        [] {
            if (!turnedStackBack())
                raise(ErrNo::PrinterError,
                      QStringLiteral("the backs were not printed: no answer on standard input"));
        },
        sent);
}

} // namespace

void makeSetPages(const SheetRequest& r) {
    if (r.output != SheetRequest::Output::Print)
        checkWritable(r.outputPath);
    PictureClip clip;
    // The calibration sheet shows no banknotes: no plug-in needs to run for it.
    if (r.kind == Kind::WholeSet)
        clip.setPicture(requestedPictures(r));
    SizeTable sizes;
    SizeNotes(sizes);
    const SetContent content{sizes, {r.LeftMargin, r.TopMargin}, clip, r.columns};
    if (r.output == SheetRequest::Output::Print) {
        printSet(r, content);
        return;
    }
    const std::unique_ptr<QtPrinter> printer = openPdfFilePrinter(r.outputPath, r.paper);
    printSetPages(*printer, withFootnotes(filePages(r), setFootnote, calibrationInstruction),
                  content, 1);
}

} // namespace zavolin
