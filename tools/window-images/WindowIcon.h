#pragma once

#include <QImage>
#include <QString>

class QPainter;

namespace windowimages {

// The edge lengths of the program icon in the hicolor theme; the window takes 32 and 64.
inline constexpr int windowIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Draws the program icon, two play notes and a coin without any sign of a real currency, into
// a 64 by 64 unit square at the painter's origin.
void paintWindowIcon(QPainter& p);

// The program icon at the given edge length.
QImage windowIcon(int size);

// Writes the program icon as a scalable SVG drawing; false when the file cannot be written.
bool writeWindowIconSvg(const QString& path);

} // namespace windowimages
