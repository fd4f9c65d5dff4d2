#include "Motifs.h"

#include <cmath>
#include <numbers>

namespace zavolin::coinstrips {

QPainterPath smoothBlob(const QVector<QPointF>& points) {
    QPainterPath path;
    const qsizetype n = points.size();
    if (n < 3)
        return path;
    path.moveTo(points[0]);
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF p0 = points[(i + n - 1) % n];
        const QPointF p1 = points[i];
        const QPointF p2 = points[(i + 1) % n];
        const QPointF p3 = points[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

namespace {

// Outlines given as (longitude, latitude) in degrees, deliberately rounded and simplified.
QVector<QPointF> mapped(std::initializer_list<QPointF> lonLat) {
    QVector<QPointF> out;
    for (const QPointF& p : lonLat)
        out.append(QPointF(p.x() / 180.0, -p.y() / 180.0));
    return out;
}

} // namespace

QPainterPath worldMap() {
    QPainterPath map;
    map.setFillRule(Qt::WindingFill);
    // North America
    map.addPath(smoothBlob(mapped({{-165, 64},
                                   {-140, 70},
                                   {-100, 72},
                                   {-78, 70},
                                   {-60, 56},
                                   {-70, 44},
                                   {-80, 30},
                                   {-96, 20},
                                   {-84, 10},
                                   {-104, 20},
                                   {-118, 32},
                                   {-126, 48},
                                   {-150, 58}})));
    // Greenland
    map.addPath(smoothBlob(mapped({{-52, 80}, {-24, 80}, {-32, 66}, {-44, 60}, {-56, 70}})));
    // South America
    map.addPath(smoothBlob(mapped({{-78, 10},
                                   {-60, 8},
                                   {-36, -6},
                                   {-42, -22},
                                   {-58, -38},
                                   {-68, -54},
                                   {-74, -40},
                                   {-72, -18},
                                   {-81, -4}})));
    // Eurasia
    map.addPath(smoothBlob(mapped({{-9, 38},  {-4, 48},  {8, 56},   {6, 64},   {24, 70},  {46, 68},
                                   {72, 74},  {104, 76}, {140, 72}, {172, 66}, {158, 56}, {138, 50},
                                   {126, 38}, {120, 26}, {106, 12}, {96, 18},  {80, 8},   {70, 22},
                                   {56, 24},  {48, 14},  {36, 30},  {24, 36},  {12, 42}})));
    // Africa
    map.addPath(smoothBlob(mapped({{-16, 22},
                                   {-8, 34},
                                   {10, 36},
                                   {32, 30},
                                   {42, 12},
                                   {50, 10},
                                   {40, -14},
                                   {32, -30},
                                   {20, -34},
                                   {12, -16},
                                   {8, 2},
                                   {-8, 5},
                                   {-16, 13}})));
    // Australia
    map.addPath(smoothBlob(mapped(
        {{114, -22}, {128, -13}, {142, -11}, {152, -25}, {146, -38}, {134, -33}, {116, -34}})));
    // Of the islands only the largest group: smaller ones would be specks of a pixel or two.
    map.addPath(smoothBlob(mapped({{96, 4}, {118, 2}, {140, -4}, {132, -8}, {106, -7}})));
    return map;
}

QPainterPath graticule() {
    QPainterPath lines;
    for (int lat = -60; lat <= 60; lat += 30) {
        lines.moveTo(-1.0, -lat / 180.0);
        lines.lineTo(1.0, -lat / 180.0);
    }
    for (int lon = -150; lon <= 150; lon += 30) {
        lines.moveTo(lon / 180.0, -0.5);
        lines.lineTo(lon / 180.0, 0.5);
    }
    return lines;
}

QPainterPath heart() {
    // The classic heart curve, sampled finely and scaled to a box 2 wide.
    QPainterPath path;
    const int steps = 200;
    for (int i = 0; i <= steps; ++i) {
        const double t = 2.0 * std::numbers::pi * i / steps;
        const double s = std::sin(t);
        const double x = 16.0 * s * s * s;
        const double y =
            13.0 * std::cos(t) - 5.0 * std::cos(2 * t) - 2.0 * std::cos(3 * t) - std::cos(4 * t);
        const QPointF p(x / 16.0, -(y + 2.5) / 16.0);
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

} // namespace zavolin::coinstrips
