#pragma once

namespace zavolin {

// Lengths that carry their unit, so twips, pixels and millimetres cannot be mixed by accident.
template <typename Unit>
struct Length {
    double value = 0.0;

    constexpr Length operator+(Length other) const { return {value + other.value}; }
    constexpr Length operator-(Length other) const { return {value - other.value}; }
    constexpr Length operator*(double factor) const { return {value * factor}; }
    constexpr Length operator/(double divisor) const { return {value / divisor}; }
    constexpr double operator/(Length other) const { return value / other.value; }
    constexpr auto operator<=>(const Length&) const = default;
};

struct TwipUnit;
struct PixelUnit;
struct MillimetreUnit;

using Twips = Length<TwipUnit>;
using Pixels = Length<PixelUnit>;
using Millimetres = Length<MillimetreUnit>;

// Window definitions measure in twips, 1440 to the inch; at 96 pixels per inch, 15 to a pixel.
constexpr double TwipsPerPixel = 15.0;
// The paper's size is reported in twips; a millimetre is taken as 56.7 of them.
constexpr double TwipsPerMillimetre = 56.7;
constexpr double MillimetresPerInch = 25.4;

constexpr Pixels toPixels(Twips t) {
    return {t.value / TwipsPerPixel};
}
constexpr Twips toTwips(Pixels p) {
    return {p.value * TwipsPerPixel};
}
constexpr Millimetres toMillimetres(Twips t) {
    return {t.value / TwipsPerMillimetre};
}

// Whole pixels for a widget geometry given in twips.
constexpr int pixelsOf(double twips) {
    const double p = twips / TwipsPerPixel;
    return int(p < 0 ? p - 0.5 : p + 0.5);
}

} // namespace zavolin
