#pragma once

#include "CoinLayout.h"

class QPainter;

namespace zavolin::coinstrips {

enum class Face { Front, Back };

// Draws one coin at its place on the strip. The painter measures in millimetres on paper.
// Front: the value on a world map. Back: the value on a heart. On both faces the hundredths carry
// their unit mark on the lower rim, and the whole units a ring of the other metal, set off from
// the centre by a groove.
void paintCoin(QPainter& painter, const PlacedCoin& coin, Face face);

// What a coin's lettering measures on paper, taken from the outlines paintCoin() draws.
struct CoinLettering {
    double rimCapHeightMm = 0.0;   // "SPIELGELD": height of its capitals
    double rimSpanDegrees = 0.0;   // the share of the rim it runs along
    double valueHeightMm = 0.0;    // the value figures, from their lowest to their highest ink
    double markHeightMm = 0.0;     // the unit mark's shortest figure; 0 on a coin without one
    double markClearDegrees = 0.0; // the bare rim between the mark and "SPIELGELD", either side
};
CoinLettering measureLettering(const PlacedCoin& coin, Face face);

} // namespace zavolin::coinstrips
