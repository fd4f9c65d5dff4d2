#pragma once

#include "platform/pictures/Picture.h"

#include <QtGlobal>

namespace zavolin {

// The two coin-strip pictures that come with the program (the never-shown window frmCoins):
// imgCoins(0) the front, imgCoins(1) the back. Loaded once, the first time one is asked for.
// Raises SubscriptOutOfRange for another side.
const Picture& imgCoins(qint16 side);

} // namespace zavolin
