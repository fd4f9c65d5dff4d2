#pragma once

#include <QImage>

namespace windowimages {

// 32 x 32 toolbar icons; at a scale of 2 the same drawing on 64 x 64 pixels, for screens of
// twice the density.
QImage printIcon(int scale = 1);
QImage adjustIcon(int scale = 1);
QImage exitIcon(int scale = 1);
QImage helpIcon(int scale = 1);
// A stack of sheets printed on both sides, for printing a whole set.
QImage printSetIcon(int scale = 1);

} // namespace windowimages
