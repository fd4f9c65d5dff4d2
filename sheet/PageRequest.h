#pragma once

#include "SizeTable.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace zavolin {

// How far a back page is moved from where it lies exactly behind its front, in millimetres:
// x to the right and y downwards as seen on the back page.
struct BackOffset {
    double x = 0;
    double y = 0;

    static constexpr double Limit = 10.0; // either way
    static constexpr double Step = 0.1;

    bool operator==(const BackOffset&) const = default;
};

// One page to draw: the coin sheet or a banknote value, and the side.
struct PageRequest {
    enum class Kind : quint8 {
        Sheet,       // a sheet of banknotes or coin strips
        Calibration, // the marks that show where a back lands behind its front
        DrawingPage, // frames to draw notes in by hand, found again in a scan by their codes
    };

    qint16 Denom = 1; // 0 the coin sheet, 1..10 the banknotes "1" to "1000"
    qint16 Side = 0;  // 0 front, 1 back
    Kind kind = Kind::Sheet;
    // Placed for the back of a sheet turned over about its long edge: mirrored about the
    // paper's vertical centre line, so it lies behind its front, then moved by backOffset.
    // A back page that is not turned over is drawn where its front is, as a single page is.
    bool turnedOver = false;
    BackOffset backOffset{};
    // One small grey line in the page's margin, telling the page from its neighbours in a
    // stack; none when empty.
    QString footnote{};
    // The serials of the page's notes, in the order the page lays them out; none without
    // serials. A back carries its front's.
    QStringList serials{};
    // A drawing page's cells (2 × (Denom − 1) + Side), and its number of so many pages.
    QList<qint16> drawingCells{};
    qint16 drawingPage = 0;
    qint16 drawingPages = 0;

    bool isBanknote() const { return Denom > 0; }
    // The size-table entry of the page's items: the banknote's side, or the coin strip, whose
    // entry is Denom (0) itself.
    qint16 index() const { return isBanknote() ? qint16(sheetIndex(Denom, Side)) : Denom; }
};

} // namespace zavolin
