#pragma once

#include <QImage>

namespace windowimages {

// Simplified national flags: 32 x 32 for the language buttons (a 3:2 field centred in the
// icon), 32 x 20 for the about window's language choice; at a scale of 2 the same drawing on
// twice the pixels each way.
enum class FlagFormat { Button, About };

QImage germanFlag(FlagFormat format = FlagFormat::Button, int scale = 1);
QImage britishFlag(FlagFormat format = FlagFormat::Button, int scale = 1);
QImage spanishFlag(FlagFormat format = FlagFormat::Button, int scale = 1);
QImage italianFlag(FlagFormat format = FlagFormat::Button, int scale = 1);

} // namespace windowimages
