#pragma once

#include "platform/print/PdfFilePrinter.h"
#include "sheet/SetCounts.h"
#include "sheet/WholeSet.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace zavolin {

// One sheet to make, as the command line asks for it.
struct SheetRequest {
    enum class Output { Pdf, Png, Print };
    enum class Kind {
        Page,        // one page of one value and side
        WholeSet,    // every chosen value, fronts and backs
        Calibration, // the two pages that measure where a back lands
    };

    Kind kind = Kind::Page;

    qint16 Denom = 1; // 0 the coin sheet, 1..10 the banknotes "1" to "1000"
    qint16 Side = 0;  // 0 front, 1 back
    qint16 LeftMargin = 0;
    qint16 TopMargin = 0;
    int copies = 1;
    QString pictures; // a picture set as one image; empty for empty banknote cells
    // A plug-in's picture set instead: its position in the list (from 1) or its Info text.
    QString pictureSet;
    // The paper of a file; on a printer, the queue's own unless given.
    PdfPaper paper = PdfPaper::A4;
    bool paperGiven = false;
    QString printer; // the queue to print on; empty for the default
    Output output = Output::Print;
    QString outputPath; // for Pdf and Png
    ColumnLayout columns = ColumnLayout::One;
    // The whole set: its values in print order, how its backs reach the paper and where they
    // land. The calibration pages use the offset too, and the way only when printed.
    QList<qint16> values = allSetValues();
    SetSides sides = SetSides::TwoSided;
    bool sidesGiven = false;
    BackOffset backOffset;
    // The notes wanted of each value, when counted: each value gets as many pages as its count
    // needs (given directly, or as children times notes each).
    std::optional<ValueCounts> counts;
    // Say the pages and notes each value gets, and the sheets of paper, and make nothing.
    bool planOnly = false;
    // Every note gets a serial under this prefix, issued and registered; none when empty.
    QString serialPrefix;
};

struct ParsedArguments {
    std::optional<SheetRequest> request; // set unless the arguments ask for something else
    bool help = false;
    bool version = false;
    bool listPictureSets = false; // list the plug-ins' picture sets instead of making a sheet
    QString templatePath;         // write the drawing template there instead of making a sheet
    // For a template ending in .pdf: the drawing pages' paper and values (Denom 1 to 10).
    StandardPaper templatePaper = StandardPaper::A4;
    QList<qint16> templateValues;
};

class CommandLine;

// Reads the arguments as the sheet's: raises RuntimeError with one line saying what is wrong.
ParsedArguments parseSheetArguments(const CommandLine& line);

} // namespace zavolin
