#pragma once

#include <QImage>

namespace windowimages {

// The program icon at the given edge length: two play notes and a coin, without any sign of
// a real currency.
QImage windowIcon(int size);

} // namespace windowimages
