#pragma once

#include "CoinLayout.h"

class QPainter;

namespace zavolin::coinstrips {

enum class Face { Front, Back };

// Draws one coin at its place on the strip. The painter measures in millimetres on paper.
// Front: the value on a world map. Back: the value on a heart.
void paintCoin(QPainter& painter, const PlacedCoin& coin, Face face);

} // namespace zavolin::coinstrips
