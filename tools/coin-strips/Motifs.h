#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QVector>

namespace zavolin::coinstrips {

// A closed smooth curve through the given points (Catmull-Rom turned into cubic Béziers).
QPainterPath smoothBlob(const QVector<QPointF>& points);

// A playful world map: continents as smooth blobs. Longitude -180..180 maps to x -1..1 and
// latitude 90..-90 to y -0.5..0.5, so the map is twice as wide as it is high.
QPainterPath worldMap();

// Lines of latitude and longitude over the same area as worldMap(), as open strokes.
QPainterPath graticule();

// A heart centred on the origin, fitting a box 2 wide and about 1.9 high.
QPainterPath heart();

} // namespace zavolin::coinstrips
