#pragma once

#include <QImage>

namespace windowimages {

// 32 x 32 toolbar icons.
QImage printIcon();
QImage adjustIcon();
QImage exitIcon();
QImage helpIcon();

} // namespace windowimages
