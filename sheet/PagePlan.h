#pragma once

#include "PageRequest.h"
#include "SheetContext.h"

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <optional>

namespace zavolin {

// A page as data before it is paint: where every cut line, note or coin strip, calibration mark
// and the footnote lie, in target units (millimetres on the printer's printable area at scale 1,
// origin at its top left). Every output draws a page from its plan, so a layout is tested once,
// as numbers, for the preview, the image, the printer and every file alike.

// One straight cut line, with the label of the statement that draws it.
struct PlannedLine {
    QLineF line;
    qint32 label = 0;
};

// What a planned picture shows.
enum class PlannedArt : quint8 {
    NoteCell,           // picture cell `which` of the banknote set
    CoinStrip,          // the coin strip of side `which`
    CalibrationScale,   // a scale on the calibration sheet's front, `which` its axis
    CalibrationVernier, // the vernier on its back that reads against it, `which` its axis
    CalibrationDrawing, // the sheet held against the light
    CalibrationExample, // a reading, magnified
    DrawingFrame,       // a frame to draw note cell `which` in
    DrawingPageCode,    // the code in corner `which` of a drawing page
    SerialPlate,        // the serial of the page's note `which`, counted in the notes' order
};

struct PlannedPicture {
    QRectF rect;
    PlannedArt art = PlannedArt::NoteCell;
    qint16 which = 0;
    qint32 label = 0;
};

// A paragraph the page explains itself with, wrapped to its rectangle's width: `size` is the
// font's em in target units, and the rectangle as high as its lines (TextBlock).
struct PlannedText {
    QRectF rect;
    QString text;
    double size = 0;
    bool bold = false;
    bool centred = false;
    QString marker{}; // hanging before the first line, such as a step's number
};

struct PlannedFootnote {
    QRectF rect;
    QString text;
};

struct PagePlan {
    // Drawn in this order: the lines, the pictures, the texts, then the footnote.
    QList<PlannedLine> lines;
    QList<PlannedPicture> pictures;
    QList<PlannedText> texts;
    std::optional<PlannedFootnote> footnote;
};

// What a page is planned from besides its request: the target's inner size and the sheet's
// sizes, geometry and print offsets. The paper's vertical centre line (paperCentreLine(), at
// scale 1) is needed by pages turned over and by the calibration sheet.
struct PlanInputs {
    QSizeF target;
    float scale = 1;
    SheetContext sheet;
    std::optional<double> paperCentreLine = std::nullopt;
};

// The plan of one page: what drawPage() draws for the request, in the same order and at the
// same places. Raises what the painters raise for entries the size table lacks, and
// InvalidProcedureCall for a turned or calibration page without the paper's centre line.
PagePlan planPage(const PageRequest& page, const PlanInputs& inputs);

// The parts of a plan, as the painters draw them (PaintNotes, PaintNoteBlock, PaintCoins).
PagePlan planNotes(const QSizeF& target, qint16 index, float scale, const SheetContext& sheet);
PagePlan planNoteBlock(const QSizeF& target, qint16 index, float scale, const SheetContext& sheet);
PagePlan planCoins(const QSizeF& target, qint16 index, float scale, const SheetContext& sheet);
// The calibration sheet's side, as its front lies (a back is turned over afterwards): on the
// front a title and the steps of its use beside a drawing and an example, in the language in
// use, and below them a scale for each of the set dialog's fields "right" and "down", the
// block centred on the paper's centre line (`centreLine` in target units); on the back the
// verniers, each exactly behind its scale, and a line saying what the back is. The steps say
// the back offset the sheet is printed with. All its words are 9 points or more: a paper too
// small for that raises PrinterError.
PagePlan planCalibration(const QSizeF& target, qint16 Side, double centreLine, float scale,
                         BackOffset printedWith);

// A drawing page (PageRequest::Kind::DrawingPage) on a target of that size: its title, the
// frames with their names, the corner codes and a footnote, in the language in use.
PagePlan planDrawingPage(const QSizeF& target, const PageRequest& page, float scale,
                         const SizeTable& sizes);

// The paper's centre line and a back offset at the scale, in target units; the first raises
// InvalidProcedureCall when the centre line is not known.
double planCentreLine(const std::optional<double>& paperCentreLine, float scale);
BackOffset scaledOffset(const BackOffset& offset, float scale);

// Turning a sheet over about its long edge: mirrored about the paper's vertical centre line,
// then moved by the back offset (all in target units). Pictures keep their reading direction;
// only their place is mirrored.
QLineF turnedOver(const QLineF& line, double centreLine, BackOffset offset);
QRectF turnedOver(const QRectF& rect, double centreLine, BackOffset offset);
PagePlan turnedOver(PagePlan plan, double centreLine, BackOffset offset);

} // namespace zavolin
