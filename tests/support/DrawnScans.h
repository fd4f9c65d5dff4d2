#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

namespace zavolin::test {

// Drawing pages as a class gives them back: printed, drawn on, scanned or photographed.

// The colour note cell k is drawn in.
QColor drawnColour(int k);

// Page `page` (from 1) of the drawing pages' PDF rendered at dpi by pdftoppm, each frame (cell,
// millimetres on paper) filled with its cell's colour right to its edges; null when pdftoppm
// fails.
struct DrawnFrame {
    int cell = 0;
    QRectF onPaper;
};
QImage drawnPage(const QString& pdf, int page, int dpi, const QList<DrawnFrame>& frames);

// How a scan or photo takes the page: turned (degrees clockwise), scaled, with a white border of
// so many pixels, and with a phone's perspective (the top a few per cent narrower) or not.
struct ScanTwist {
    double degrees = 0;
    double scale = 1;
    int border = 0;
    bool perspective = false;
};
QImage twisted(const QImage& page, const ScanTwist& twist);

// Writes the pictures into a PDF of one page each at dpi, each first JPEG-compressed at that
// quality as a scanner does; false when the file cannot be written.
bool writeScanPdf(const QString& path, const QList<QImage>& pages, int dpi, int jpegQuality);

// Cell k (2400 × 6200 pixels of 10 rows by 2 cells) of a set's grid made from such pages: whether
// its centre shows the cell's colour, and the widest band of paper between its edges and the
// drawing, measured across the middle of each edge, in millimetres of its note `noteWidth` wide
// (0 when the cut lies on the frame; at most 1 mm is looked for).
struct DrawnCell {
    bool rightColour = false;
    QColor centre;
    double paperAtEdge = 0;
};
DrawnCell drawnCell(const QImage& grid, int k, double noteWidth);

} // namespace zavolin::test
