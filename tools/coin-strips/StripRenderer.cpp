#include "StripRenderer.h"

#include <QPainter>

namespace zavolin::coinstrips {

QImage renderStrip(const QVector<PlacedCoin>& coins, Face face, QString& error) {
    QImage image(StripWidthPx, StripHeightPx, QImage::Format_RGB32);
    if (image.isNull()) {
        error =
            QStringLiteral("cannot allocate a %1 x %2 image").arg(StripWidthPx).arg(StripHeightPx);
        return {};
    }
    image.fill(Qt::white);

    QPainter painter;
    if (!painter.begin(&image)) {
        error = QStringLiteral("cannot draw on the strip image");
        return {};
    }
    painter.setRenderHint(QPainter::Antialiasing);
    // Draw in millimetres on paper: the picture is stretched to 180.9 x 27 mm when printed,
    // slightly more per millimetre across than down, and coins must come out round on paper.
    painter.scale(StripWidthPx / StripWidthMm, StripHeightPx / StripHeightMm);
    for (const PlacedCoin& coin : coins)
        paintCoin(painter, coin, face);
    painter.end();
    return image;
}

} // namespace zavolin::coinstrips
