#pragma once

#include "PageGeometry.h"

#include <QSizeF>

namespace zavolin {

class Printer;

// The whole paper's height over its width in millimetres: the printable area plus the edges
// measured around it.
double paperRatio(Printer& printer, const PageGeometry& geometry);

// The preview's size in a main window whose client area is clientHeight pixels high: 0.65 of
// that height wide, and as high as the paper's proportions make it.
QSizeF previewSize(double clientHeight, double paperRatio);

// Preview pixels per millimetre of paper: the preview's inner height stands for the printable
// height.
float previewScale(double previewInnerHeight, Printer& printer);

} // namespace zavolin
