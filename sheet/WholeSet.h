#pragma once

#include "ColumnLayout.h"
#include "PageEngine.h"
#include "PageRequest.h"

#include <QList>
#include <functional>
#include <optional>

namespace zavolin {

class Printer;

// How the backs of a whole set reach the paper.
enum class SetSides {
    TwoSided,   // the printer prints both sides: one job, each back after its front
    TurnByHand, // the fronts as one job; the stack turned over by hand; the backs as another
    FrontsOnly,
    BacksOnly,
};

// The way's name on the command line and in the settings: printer, manual, none or backs.
QString setSidesName(SetSides sides);
// The way of that name (case ignored); none for any other text.
std::optional<SetSides> setSidesNamed(const QString& name);

// The values of a whole set in print order: "1" to "1000", then the coin sheet.
QList<qint16> allSetValues();

// One document of a set: its pages in order, and whether they go on both sides of the sheets.
struct SetDocument {
    QList<PageRequest> pages;
    bool twoSided = false;
};

// The documents that print the values the given way: for each value its front and its back
// turned over about the long edge and moved by the offset, fronts and backs as the way asks.
// Turning by hand makes two documents, fronts then backs, in the same order.
QList<SetDocument> setDocuments(const QList<qint16>& values, SetSides sides, BackOffset offset);

// The calibration sheet's documents, printed on both sides or turned by hand: the scales on
// the front, the cross on the back.
QList<SetDocument> calibrationDocuments(bool twoSided, BackOffset offset);

// The set as one file, which holds its copies itself: each front followed by its back (the
// backs turned over as for printing on both sides, whichever way the backs are to reach the
// paper) or the one side asked for, each pair or page repeated `copies` times before the next.
QList<PageRequest> setFilePages(const QList<qint16>& values, SetSides sides, BackOffset offset,
                                int copies);

// The pages with their footnotes, numbered n of m within their document: a sheet's from its
// value, side and number, a calibration page's from the back offset it is printed with. The
// texts come from the caller, in the language in use.
using SheetFootnote = QString (*)(qint16 Denom, qint16 Side, qsizetype n, qsizetype m);
using CalibrationFootnote = QString (*)(double backOffsetX, double backOffsetY);
QList<PageRequest> withFootnotes(QList<PageRequest> pages, SheetFootnote sheet,
                                 CalibrationFootnote calibration);
QList<SetDocument> withFootnotes(QList<SetDocument> documents, SheetFootnote sheet,
                                 CalibrationFootnote calibration);

// What the pages of a set are drawn from besides the printer: each page gets the page
// geometry of its own size on the printer.
struct SetContent {
    const SizeTable& sizes;
    PrintOffsets offsets;
    const PictureClip& notes;
    ColumnLayout columns = ColumnLayout::One;
};

// How many notes (or coin strips) the page of a value holds on the printer, its columns
// included; measures the printer and leaves it in millimetres, draws nothing.
qint32 itemsOnSheet(Printer& printer, qint16 Denom, const SetContent& content);

// Follows a set's drawing: told when a document of so many pages starts and when a page starts
// (counted from 0 within its document), and asked after each picture whether to go on.
struct SetProgress {
    std::function<void(qsizetype pages)> documentStarted;
    std::function<void(qsizetype page)> pageStarted;
    std::function<bool()> keepGoing;
};

// Prints the pages as one document of `copies` collated copies: each page as the single page
// of its value would print, turned pages placed behind their fronts; as many columns as fit
// are as many as fit front and back. A printer that refuses
// the copy count raises; so does every other failure. PrintCancelled when the progress says
// stop: the document is left open for the caller to drop with the printer.
void printSetPages(Printer& printer, const QList<PageRequest>& pages, const SetContent& content,
                   int copies, const SetProgress& progress = {});

} // namespace zavolin
