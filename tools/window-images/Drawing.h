#pragma once

#include <QImage>

namespace windowimages {

// A transparent 32-bit canvas with antialiased drawing, for icons.
inline QImage transparentCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace windowimages
