#pragma once

#include "CoinLayout.h"

class QPainter;

namespace zavolin::coinstrips {

enum class Face { Front, Back };

// Draws one coin at its place on the strip. The painter measures in millimetres on paper.
// Front: the value on a world map. Back: the value on a heart.
void paintCoin(QPainter& painter, const PlacedCoin& coin, Face face);

// What a coin's lettering measures on paper, taken from the outlines paintCoin() draws.
struct CoinLettering {
    double rimCapHeightMm = 0.0; // "SPIELGELD": height of its capitals
    double rimSpanDegrees = 0.0; // the share of the rim it runs along
    double valueHeightMm = 0.0;  // the value figures, from their lowest to their highest ink
};
CoinLettering measureLettering(const PlacedCoin& coin, Face face);

} // namespace zavolin::coinstrips
