#pragma once

#include "platform/pictures/Picture.h"

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace zavolin::test {

// Draws the picture into `target` of a white 300 × 200 canvas.
inline QImage drawn(const Picture& picture, const QRectF& target) {
    QImage canvas(300, 200, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    picture.draw(painter, target);
    return canvas;
}

} // namespace zavolin::test
