#pragma once

#include <QImage>

namespace windowimages {

// Simplified national flags: 32 x 32 for the language buttons (a 3:2 field centred in the
// icon), 32 x 20 for the about window's language choice.
enum class FlagFormat { Button, About };

QImage germanFlag(FlagFormat format = FlagFormat::Button);
QImage britishFlag(FlagFormat format = FlagFormat::Button);
QImage spanishFlag(FlagFormat format = FlagFormat::Button);
QImage italianFlag(FlagFormat format = FlagFormat::Button);

} // namespace windowimages
