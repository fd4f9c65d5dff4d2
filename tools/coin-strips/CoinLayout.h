#pragma once

#include <QString>
#include <QVector>

namespace zavolin::coinstrips {

// The strip as printed on paper; the picture is stretched onto exactly this rectangle.
constexpr double StripWidthMm = 180.9;
constexpr double StripHeightMm = 27.0;
constexpr int StripWidthPx = 1170;
constexpr int StripHeightPx = 176;
constexpr double PxPerMmAcross = StripWidthPx / StripWidthMm; // about 164 dpi
constexpr double PxPerMmDown = StripHeightPx / StripHeightMm;

// No lettering on paper smaller than this: below it the strip's coarse pixels blur the letters.
constexpr double MinTextHeightMm = 2.5;

// The smallest coin: just large enough to carry "SPIELGELD" around its rim at that height.
constexpr double SmallestDiameterMm = 19.8;

// Blank paper kept above and below the largest coin, so cutting the strip never cuts a coin.
constexpr double VerticalMarginMm = 1.5;

enum class MetalKind { Gold, Silver, Copper };

// Whole units, counted as the banknotes are, or hundredths of one.
enum class Unit { Whole, Hundredth };

struct CoinSpec {
    QString value;
    Unit unit;
    MetalKind centre;
    MetalKind ring; // equal to centre for a coin of one metal

    int worthInHundredths() const { return value.toInt() * (unit == Unit::Whole ? 100 : 1); }
};

struct PlacedCoin {
    CoinSpec spec;
    double centreXMm = 0.0;
    double centreYMm = 0.0;
    double diameterMm = 0.0;

    bool twoColoured() const { return spec.centre != spec.ring; }
};

// The eight coins of the front strip, left to right, by falling value.
QVector<CoinSpec> frontCoins();

// Places the front coins on the strip: the largest keeps its margins, the smallest is
// SmallestDiameterMm and the others grow with their worth, equally far apart in size, so every
// whole unit is larger than every hundredth; equal gaps between coins and at both ends. Centres
// fall on pixel centres, so each coin's edge is drawn the same on all sides.
QVector<PlacedCoin> frontLayout();

// The back strip: the front's coins in reverse order, each centre mirrored about the strip's
// vertical centre line, so a coin's back lies behind its front when the paper is turned over.
QVector<PlacedCoin> backLayout(const QVector<PlacedCoin>& front);

} // namespace zavolin::coinstrips
