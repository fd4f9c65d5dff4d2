#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zavolin::bench {

// Picture sets like the ones the program ships, drawn here so the benchmarks need no files:
// 20 cells (10 rows of front and back) of banknote artwork with colour gradients, fine line
// work, frames, emblems and text.

// 2400 × 6200 pixels, each cell 1200 × 620.
constexpr int RasterWidth = 2400;
constexpr int RasterHeight = 6200;
QImage rasterSet();
// The raster set encoded ("PNG" or "JPEG"), made once per format.
const QByteArray& encodedRasterSet(const char* format);

// The same design as SVG on a 2400 × 6200 view box, laid out as drawing programs write it: one
// group per cell inside a layer, gradients in <defs>. Made once.
const QByteArray& vectorSet();

// The caption of denomination d = 1..10.
QString denominationCaption(int d);

} // namespace zavolin::bench
