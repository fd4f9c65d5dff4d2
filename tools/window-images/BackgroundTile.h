#pragma once

#include <QImage>

namespace windowimages {

// The 400 x 400 window background: a 16-colour indexed image whose pattern repeats exactly
// every 400 pixels, so tiles laid edge to edge show no seams.
QImage backgroundTile();

} // namespace windowimages
