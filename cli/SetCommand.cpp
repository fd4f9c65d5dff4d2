#include "SetCommand.h"

#include "CommandInputs.h"
#include "lang/SetTexts.h"
#include "platform/base/RuntimeError.h"
#include "platform/pictures/PictureClip.h"
#include "platform/print/CupsQueue.h"
#include "platform/print/CupsQueuePrinter.h"
#include "platform/print/QtPrinter.h"
#include "serials/SerialRegister.h"
#include "sheet/SetJobs.h"
#include "sheet/SetSerials.h"
#include "sheet/SizeNotes.h"

#include <cstdio>

namespace zavolin {
namespace {

using Kind = SheetRequest::Kind;

// The paper the set is laid out for: the queue's when printing, else the file's.
PrinterPaper setPaper(const SheetRequest& r) {
    if (r.output == SheetRequest::Output::Print)
        return cupsQueuePaper(printQueue(r), r.paperGiven ? std::optional(r.paper) : std::nullopt);
    return pdfPrinterPaper(r.paper);
}

// How many notes a page of each value holds on the paper the set is laid out for.
NotesOnPage notesOnPage(const SheetRequest& r, const SetContent& content) {
    const auto measuring = std::make_shared<QtPrinter>(setPaper(r), nullptr);
    return [measuring, &content](qint16 Denom) { return itemsOnSheet(*measuring, Denom, content); };
}

// Issues and registers serials under the request's prefix for the notes asked.
SerialIssuer serialIssuer(const SheetRequest& r, SetSides sides) {
    return [&r, sides](const QList<qint16>& notes) {
        return issueSerialTexts(r.serialPrefix, notes, setSidesName(sides));
    };
}

void sayUsed(const QStringList& used) {
    if (!used.isEmpty())
        std::fputs(QStringLiteral("serials %1 to %2: %3 notes, in the register of %4\n")
                       .arg(used.first(), used.last())
                       .arg(used.size())
                       .arg(serialsFolder())
                       .toLocal8Bit(),
                   stdout);
}

// The sheets of each value: as many as its count needs, or one of each value chosen.
CountedSet countedSet(const SheetRequest& r, const SetContent& content) {
    const NotesOnPage perSheet = notesOnPage(r, content);
    if (r.counts)
        return planCounts(*r.counts, perSheet);
    return oneSheetEach(r.values, perSheet);
}

void printPlan(const SheetRequest& r, const CountedSet& set) {
    QString text = QStringLiteral("value   wanted  on a page  pages  notes you get\n");
    for (const CountedValue& value : set.values)
        text += QStringLiteral("%1 %2 %3 %4 %5\n")
                    .arg(valueKey(value.Denom), -5)
                    .arg(value.wanted, 8)
                    .arg(value.perSheet, 11)
                    .arg(value.sheets, 6)
                    .arg(value.got(), 14);
    const bool bothSides = r.sides == SetSides::TwoSided || r.sides == SetSides::TurnByHand;
    text +=
        QStringLiteral("sheets of paper: %1%2%3\n")
            .arg(qint64(set.sheets()) * r.copies)
            .arg(r.copies > 1 ? QStringLiteral(" (%1 copies of %2)").arg(r.copies).arg(set.sheets())
                              : QString())
            .arg(bothSides ? QStringLiteral(", printed on both sides") : QString());
    std::fputs(text.toLocal8Bit(), stdout);
}

// Every page in one file.
QList<PageRequest> filePages(const SheetRequest& r, const QList<qint16>& sheetValues) {
    if (r.kind == Kind::Calibration)
        return calibrationDocuments(true, r.backOffset).first().pages;
    return setFilePages(sheetValues, r.sides, r.backOffset, r.copies);
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

void printSet(const SheetRequest& r, const SetContent& content, const QList<qint16>& sheetValues) {
    const QString queue = printQueue(r);
    const bool twoSided = cupsQueueStatus(queue).twoSided;
    SetSides sides = r.sides;
    if (r.kind == Kind::Calibration && !r.sidesGiven)
        sides = twoSided ? SetSides::TwoSided : SetSides::TurnByHand;
    if (sides == SetSides::TwoSided && !twoSided)
        raise(ErrNo::PrinterError,
              QStringLiteral("the printer \"%1\" cannot print on both sides of the paper; "
                             "--duplex manual turns the sheets over by hand")
                  .arg(queue));
    QList<SetDocument> documents =
        withFootnotes(r.kind == Kind::Calibration
                          ? calibrationDocuments(sides == SetSides::TwoSided, r.backOffset)
                          : setDocuments(sheetValues, sides, r.backOffset),
                      setFootnote, calibrationInstruction);
    int copies = r.kind == Kind::Calibration ? 1 : r.copies;
    QStringList used;
    if (!r.serialPrefix.isEmpty()) {
        // Every copy's notes have serials of their own: the copies are pages of the job.
        documents = copiesWithin(documents, copies);
        copies = 1;
        used = numberPages(documents, notesOnPage(r, content), serialIssuer(r, sides));
    }
    QStringList sent;
    printSetJobs(
        queue, r.paperGiven ? std::optional(r.paper) : std::nullopt, documents, content, copies, {},
        [] {
            if (!turnedStackBack())
                raise(ErrNo::PrinterError,
                      QStringLiteral("the backs were not printed: no answer on standard input"));
        },
        sent);
    sayUsed(used);
}

} // namespace

void makeSetPages(const SheetRequest& r) {
    SizeTable sizes;
    SizeNotes(sizes);
    PictureClip clip;
    const SetContent content{sizes, {r.LeftMargin, r.TopMargin}, clip, r.columns};
    QList<qint16> sheetValues;
    if (r.kind == Kind::WholeSet) {
        const CountedSet set = countedSet(r, content);
        if (r.planOnly) {
            printPlan(r, set);
            return;
        }
        sheetValues = set.sheetValues();
    }
    if (r.output != SheetRequest::Output::Print)
        checkWritable(r.outputPath);
    // The calibration sheet shows no banknotes: no plug-in needs to run for it.
    if (r.kind == Kind::WholeSet)
        clip.setPicture(requestedPictures(r));
    if (r.output == SheetRequest::Output::Print) {
        printSet(r, content, sheetValues);
        return;
    }
    QList<PageRequest> pages =
        withFootnotes(filePages(r, sheetValues), setFootnote, calibrationInstruction);
    QStringList used;
    if (!r.serialPrefix.isEmpty())
        used = numberPages(pages, notesOnPage(r, content), serialIssuer(r, r.sides));
    const std::unique_ptr<QtPrinter> printer = openPdfFilePrinter(r.outputPath, r.paper);
    printSetPages(*printer, pages, content, 1);
    sayUsed(used);
}

} // namespace zavolin
