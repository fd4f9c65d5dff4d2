#pragma once

#include "support/PrintedPdf.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <optional>

namespace zavolin::test {

// Picture sets for the command's --pictures: 10 rows of 2 cells in which only the given cells
// hold ink, a black block that leaves InkInset of the cell's width and height white on every
// side. The white rim keeps the cut lines on a note's edge clear; a cell drawn in the wrong
// place or at the wrong size shows as ink where none belongs.
inline constexpr double InkInset = 0.2;

// Writes the set as a PNG or an SVG file into folder; returns its path.
QString writePngPictureSet(const QString& folder, const QList<int>& inkedCells);
QString writeSvgPictureSet(const QString& folder, const QList<int>& inkedCells);

// Where a cell's block of ink lands when the cell is drawn stretched into item.
QRectF inkedPart(const QRectF& item);

// The bounds of the pixels darker than threshold within area, in the raster's millimetres.
std::optional<QRectF> inkBounds(const PageRaster& page, const QRectF& area, int threshold = 128);

} // namespace zavolin::test
