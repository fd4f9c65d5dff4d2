#pragma once

#include "OwnSetImport.h"
#include "sheet/SizeTable.h"

#include <QCoreApplication>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <array>

namespace zavolin {

// What the ways of reading a set share: the notes' names and cells, the checks, and the grid
// the cells are made into.

// A made grid's cell: 300 dots per inch across the widest note ("1000", 101.5 mm), of the
// notes' common proportions.
inline constexpr int CellWidth = 1200;
inline constexpr int CellHeight = 620;
inline constexpr double MostStretch = 0.02;

struct OwnSets {
    Q_DECLARE_TR_FUNCTIONS(OwnSets)
};

// Cell k: row k / 2 is the value, column k % 2 the side, as "20 front".
QString noteName(int k);
const SheetItemSize& noteSize(const SizeTable& sizes, int k);

void addFinding(PreparedSet& set, bool stops, const QString& text);

// The proportions and, for a raster cell, the resolution of what goes into note k.
void checkCell(PreparedSet& set, const SizeTable& sizes, int k, QSizeF cell, bool raster,
               const QString& what);

// A note's printed size in pixels at 300 dots per inch, the cells' resolution.
QSize printedPixels(const SheetItemSize& note);

// The cells as one JPEG grid of equal cells; empty when it cannot be made.
QByteArray composeGrid(const std::array<QImage, 20>& cells);

} // namespace zavolin
