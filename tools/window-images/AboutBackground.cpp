#include "AboutBackground.h"

#include <algorithm>
#include <cmath>

namespace windowimages {
namespace {

constexpr int Width = 356;
constexpr int Height = 330;
constexpr int Levels = 256;

// One ramp from deep slate through steel blue to ivory; every pixel is a level on it, so the
// picture needs no more than 256 colours and no dithering.
QRgb shade(int level) {
    const double t = double(level) / (Levels - 1);
    struct Stop {
        double at;
        int r, g, b;
    };
    static constexpr Stop Stops[] = {{0.0, 28, 48, 72}, {0.5, 98, 128, 150}, {1.0, 250, 246, 234}};
    const Stop& from = t < 0.5 ? Stops[0] : Stops[1];
    const Stop& to = t < 0.5 ? Stops[1] : Stops[2];
    const double u = (t - from.at) / (to.at - from.at);
    const auto mix = [u](int a, int b) { return int(std::lround(a + (b - a) * u)); };
    return qRgb(mix(from.r, to.r), mix(from.g, to.g), mix(from.b, to.b));
}

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A thin soft line at the given distance.
double line(double distance, double width) {
    return std::exp(-(distance * distance) / (2 * width * width));
}

// Brightness (0 dark, 1 pale) of one pixel.
double brightness(double x, double y) {
    // Header band above the version line, pale body below it, darkening slightly downwards.
    const double body = 0.94 - 0.07 * smoothstep(120, Height, y);
    double t = 0.30 + (body - 0.30) * smoothstep(56, 72, y);

    // Ring emblem in the header: a soft glow and three thin rings.
    const double r = std::hypot(x - Width / 2.0, y - 31.0);
    t += 0.18 * std::exp(-(r * r) / (2 * 14.0 * 14.0)) * (1 - smoothstep(56, 72, y));
    for (const double radius : {8.0, 14.0, 20.0})
        t += 0.40 * line(r - radius, 0.7) * (1 - smoothstep(50, 60, y));

    // A faint rule between the version and the hint line, fading towards its ends.
    const double fade = 1 - smoothstep(60, 95, std::abs(x - Width / 2.0));
    t -= 0.22 * line(y - 133, 0.6) * fade;

    // A slightly darker, rounded panel behind the three visible flags.
    const double dx = std::max({296.0 - x, x - 344.0, 0.0});
    const double dy = std::max({216.0 - y, y - 300.0, 0.0});
    t -= 0.08 * (1 - smoothstep(3.0, 5.0, std::hypot(dx, dy)));

    // A quiet diagonal texture in the body.
    t += 0.006 * std::sin((x + y) * 0.35) * smoothstep(56, 72, y);

    // Double frame: a dark outer line and a lighter inner one.
    const double edge = std::min({x + 0.5, y + 0.5, Width - 0.5 - x, Height - 0.5 - y});
    t -= 0.55 * line(edge - 3.5, 0.8);
    t -= 0.22 * line(edge - 7.5, 0.5);
    return std::clamp(t, 0.0, 1.0);
}

} // namespace

QImage aboutBackground() {
    QImage image(Width, Height, QImage::Format_Indexed8);
    image.setColorCount(Levels);
    for (int level = 0; level < Levels; ++level)
        image.setColor(level, shade(level));
    for (int y = 0; y < Height; ++y) {
        uchar* pixels = image.scanLine(y);
        for (int x = 0; x < Width; ++x)
            pixels[x] = uchar(std::lround(brightness(x, y) * (Levels - 1)));
    }
    return image;
}

} // namespace windowimages
