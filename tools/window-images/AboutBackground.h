#pragma once

#include <QImage>

namespace windowimages {

// The about window's 356 x 330 background: a 256-colour indexed picture with a dark header
// band carrying a plain ring emblem, and a pale body that leaves the version line, the hint
// line, the flag column and the OK button on a quiet ground.
QImage aboutBackground();

} // namespace windowimages
