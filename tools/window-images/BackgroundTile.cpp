#include "BackgroundTile.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace windowimages {
namespace {

constexpr int TileSize = 400;
constexpr int Levels = 16;
constexpr double TwoPi = 2.0 * std::numbers::pi;

// Shades from the window's dark red towards a muted brick; the pattern stays subdued.
QRgb shade(int level) {
    const double t = double(level) / (Levels - 1);
    const auto mix = [t](int from, int to) { return int(std::lround(from + (to - from) * t)); };
    return qRgb(mix(104, 168), mix(0, 34), mix(0, 26));
}

// Brightness of a thin wavy line family: lines every 1/count of the tile along one axis,
// bent by a sine along the other. Whole counts keep the pattern periodic in the tile.
double lineFamily(double along, double across, int count, int waves, double bend, double phase) {
    const double position =
        count * across / TileSize + bend * std::sin(TwoPi * waves * along / TileSize + phase);
    const double distance = std::abs(position - std::round(position)) * TileSize / count;
    return std::exp(-(distance * distance) / 2.2);
}

double brightness(int x, int y) {
    // Soft light and dark patches so the tile does not read as a flat grid.
    const double patches =
        0.5 + 0.25 * std::cos(TwoPi * x / TileSize) * std::cos(TwoPi * 2 * y / TileSize) +
        0.25 * std::sin(TwoPi * (x + y) / TileSize);
    const double ribbons =
        std::max({lineFamily(x, y, 8, 2, 0.35, 0.0), lineFamily(x, y, 8, 2, 0.35, std::numbers::pi),
                  lineFamily(y, x, 8, 2, 0.35, std::numbers::pi / 2),
                  lineFamily(y, x, 8, 2, 0.35, 3 * std::numbers::pi / 2)});
    return std::clamp(0.18 + 0.22 * patches + 0.55 * ribbons, 0.0, 1.0);
}

} // namespace

QImage backgroundTile() {
    QImage tile(TileSize, TileSize, QImage::Format_Indexed8);
    tile.setColorCount(Levels);
    for (int level = 0; level < Levels; ++level)
        tile.setColor(level, shade(level));

    // An ordered 4 x 4 dither hides the steps between the 16 shades; 4 divides the tile size,
    // so the dither repeats across tile edges as well.
    static constexpr int Bayer[4][4] = {
        {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int y = 0; y < TileSize; ++y) {
        uchar* line = tile.scanLine(y);
        for (int x = 0; x < TileSize; ++x) {
            const double threshold = (Bayer[y % 4][x % 4] + 0.5) / 16.0;
            const double scaled = brightness(x, y) * (Levels - 1);
            const int level = int(std::floor(scaled)) + (scaled - std::floor(scaled) > threshold);
            line[x] = uchar(std::clamp(level, 0, Levels - 1));
        }
    }
    return tile;
}

} // namespace windowimages
