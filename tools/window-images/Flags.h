#pragma once

#include <QImage>

namespace windowimages {

// 32 x 32 language buttons: simplified national flags in a 3:2 field.
QImage germanFlag();
QImage britishFlag();
QImage spanishFlag();
QImage italianFlag();

} // namespace windowimages
