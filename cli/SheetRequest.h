#pragma once

#include "platform/PdfFilePrinter.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace zavolin {

// One sheet to make, as the command line asks for it.
struct SheetRequest {
    enum class Output { Pdf, Png, Print };

    qint16 Denom = 1; // 0 the coin sheet, 1..10 the banknotes "1" to "1000"
    qint16 Side = 0;  // 0 front, 1 back
    qint16 LeftMargin = 0;
    qint16 TopMargin = 0;
    int copies = 1;
    QString pictures; // a picture set as one image; empty for empty banknote cells
    // A plug-in's picture set instead: its position in the list (from 1) or its Info text.
    QString pictureSet;
    PdfPaper paper = PdfPaper::A4;
    Output output = Output::Print;
    QString outputPath; // for Pdf and Png
};

struct ParsedArguments {
    std::optional<SheetRequest> request; // set when the arguments are complete and valid
    bool help = false;
    bool listPictureSets = false; // list the plug-ins' picture sets instead of making a sheet
    QString error;                // one line saying what is wrong
};

// Reads the arguments after the program name.
ParsedArguments parseSheetArguments(const QStringList& arguments);

QString sheetUsage();

} // namespace zavolin
