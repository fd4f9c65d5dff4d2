#pragma once

#include <QList>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>

// Where a sheet's cut lines and items belong, worked out here from the paper and the layout
// rules alone, so the printed page is checked against an independent account of it rather
// than against the painters themselves.
namespace zavolin::test {

// A printer's paper and the edges it cannot print on, in millimetres.
struct PaperGeometry {
    QSizeF paper;
    QMarginsF unprintable; // left, top, right, bottom

    QSizeF printable() const;
};

PaperGeometry pdfQueuePaper();     // zavolin-pdf: A4 without unprintable edges
PaperGeometry marginsQueuePaper(); // zavolin-margins: A4, 12/15/7/9 mm
PaperGeometry a4FilePaper();       // --output FILE.pdf: A4 with 5 mm edges
PaperGeometry letterFilePaper();   // --output FILE.pdf --paper Letter

// The unprintable edges in whole millimetres, plus one, as the page geometry measures them:
// left and top rounded, right and bottom what the paper (its size in twips taken at 56.7 to
// the millimetre) leaves beside the printable area, rounded down.
struct PageEdges {
    int left = 0, right = 0, top = 0, bottom = 0;
};
PageEdges pageEdges(const PaperGeometry& paper);

// Width and height in millimetres of size-table entry `index`: base size × 0.7 for the
// banknotes (entries 1..20), 201 × 30 × 0.9 for the coin strip (entry 0).
QSizeF itemSize(int index);

// What the command is asked for.
struct SheetChoice {
    int denom = 1; // 0 coins, 1..10 the banknotes "1" to "1000"
    int side = 0;  // 0 front, 1 back
    int leftMargin = 0;
    int topMargin = 0;
    bool asManyColumnsAsFit = false; // --columns auto

    int index() const { return denom > 0 ? 2 * denom + side - 1 : 0; }
};

// Items of the choice's size stacked on the paper's page: the printable height less the top
// and bottom edges over the rounded item height, and no more than end on the printable area
// when moved down by the top margin.
int rowsPerPage(const SheetChoice& choice, const PaperGeometry& paper);

// Columns of banknotes side by side: one, or as many as the paper's width between the edges
// holds, neighbours sharing a cut line 2 + W from the last; the coin sheet one. With turned
// backs the block must also fit mirrored about the paper's centre: where the printable area
// is d off centre, 2d less on each side.
int columnsOnPage(const SheetChoice& choice, const PaperGeometry& paper, bool turnedBacks = false);

struct ExpectedLine {
    QString name; // "left", "right", "top", "row 3", ...: the same line on every page
    bool horizontal = false;
    double across = 0; // y of a horizontal line, x of a vertical one
    double start = 0;
    double end = 0;
};

struct ExpectedSheet {
    QList<ExpectedLine> lines;
    QList<QRectF> items; // where each note or strip is drawn
    QRectF area;         // the target's area in these coordinates: where anything shows
};

// The sheet drawn on a target of the given inner size at `scale` target units per millimetre
// (the printer: its printable size in millimetres and 1), in target coordinates.
ExpectedSheet expectedSheet(const SheetChoice& choice, const PaperGeometry& paper, QSizeF target,
                            double scale);

// The printed sheet on paper: millimetres from the paper's top left corner, lines cut off
// where the printable area ends and left out where nothing of them is printed.
ExpectedSheet expectedOnPaper(const SheetChoice& choice, const PaperGeometry& paper);

// Lines cut to the sheet's area; those with less than minLength left are dropped.
ExpectedSheet clipped(ExpectedSheet sheet, double minLength);

// The preview the program shows in a window whose client area is clientHeight pixels high:
// 0.65 of that height wide, high by the paper's proportions (printable size plus the edges).
QSizeF previewSize(double clientHeight, const PaperGeometry& paper);

} // namespace zavolin::test
