#pragma once

#include <QFont>
#include <QPainterPath>
#include <QString>

namespace zavolin::coinstrips {

// The one typeface of the strips, chosen by name so every machine draws the same glyphs.
// Returns false (and says why on stderr) when the machine resolves it to another family.
bool typefaceAvailable();
QFont typeface();

// Text as an outline, centred on the origin; capHeight is the height of its capitals/figures.
QPainterPath centredText(const QString& text, double capHeight);

enum class Arc { Top, Bottom };

// How a glyph's height is taken. Font: as designed. CapBand: a glyph reaching well below the
// baseline or above the capitals, as "/" does, is squeezed into the band between them, where on
// a rim it cannot run into the coin's edge or field.
enum class Fit { Font, CapBand };

// Text set along a circle around the origin, read left to right, upright in both arcs:
// on the top arc the letters stand on the circle of radius `radius` and rise outwards; on the
// bottom arc they hang from it and rise towards the centre. `tracking` widens the letter gaps,
// as a fraction of capHeight.
QPainterPath arcText(const QString& text, double radius, double capHeight, Arc arc,
                     double tracking = 0.15, Fit fit = Fit::Font);

// The angle, in radians, that arcText() spreads the same text over.
double arcSpan(const QString& text, double radius, double capHeight, double tracking = 0.15);

// The height of the shortest glyph of `text` as its outline is drawn when asked for `capHeight`:
// what the letters really measure, not what the font's metrics promise.
double shortestGlyphHeight(const QString& text, double capHeight, Fit fit = Fit::Font);

} // namespace zavolin::coinstrips
