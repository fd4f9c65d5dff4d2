#pragma once

#include <QImage>

namespace windowimages {

// 32 x 32 toolbar icons.
QImage printIcon();
QImage adjustIcon();
QImage exitIcon();
QImage helpIcon();
// A stack of sheets printed on both sides, for printing a whole set.
QImage printSetIcon();

} // namespace windowimages
