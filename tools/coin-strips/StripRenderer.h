#pragma once

#include "CoinPainter.h"

#include <QImage>
#include <QString>

namespace zavolin::coinstrips {

// Draws one strip picture, 1170 x 176 pixels, on white. An empty image and a message in
// `error` when it cannot be drawn.
QImage renderStrip(const QVector<PlacedCoin>& coins, Face face, QString& error);

} // namespace zavolin::coinstrips
