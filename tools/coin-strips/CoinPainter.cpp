#include "CoinPainter.h"

#include "Metal.h"
#include "Motifs.h"
#include "RimText.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace zavolin::coinstrips {

namespace {

// The rim from the outside in, in millimetres on paper: nothing that has to stay visible is
// thinner than two pixels (about 0.31 mm) at the strip's 6.5 pixels per millimetre.
constexpr double OutlineMm = 0.36;     // the dark line the scissors follow
constexpr double EdgeMm = 0.45;        // the raised outer edge
constexpr double LetterClearMm = 0.16; // between the edge and the letters' tops
constexpr double RimCapHeightMm = 2.7; // the rim lettering: over the 2.5 mm minimum by a pixel
constexpr double FieldClearMm = 0.30;  // between the letters' feet and the field
constexpr double FieldBorderMm = 0.34; // the line around the field
constexpr double RimTracking = 0.05;   // bold letters this size need little extra spacing
const QString RimWords = QStringLiteral("SPIELGELD");

// The hundredths' unit mark, set on the lower rim like the rim words: read with the value it
// says "50/100", fifty hundredths, and it is no currency's sign.
const QString UnitMark = QStringLiteral("/100");
constexpr double MarkPlateMm = 0.7; // the light plate around its figures

// Where the two metals of a whole unit meet: a dark groove with a bright lip either side, so the
// ring shows as a ring of its own even where print in grey brings the two metals close.
constexpr double GrooveMm = 0.65;
constexpr double GrooveLipMm = 0.25; // on the ring's side, inside the clear band under the words

double letterBase(double r) {
    return r - OutlineMm - EdgeMm - LetterClearMm - RimCapHeightMm;
}

double fieldRadius(double r) {
    return letterBase(r) - FieldClearMm;
}

// On the lower rim, hanging from the circle the rim words stand on, so both fill the same band.
QPainterPath unitMark(double r) {
    return arcText(UnitMark, letterBase(r), RimCapHeightMm, Arc::Bottom, RimTracking, Fit::CapBand);
}

// How far, in degrees either way, the ink of text set around the origin reaches from the
// direction `towardsDegrees` (90 is straight down).
double inkHalfSpanDegrees(const QPainterPath& text, double towardsDegrees) {
    double widest = 0.0;
    for (const QPolygonF& outline : text.toSubpathPolygons())
        for (const QPointF& pt : outline) {
            const double a = std::atan2(pt.y(), pt.x()) * 180.0 / std::numbers::pi;
            widest = std::max(widest, std::abs(std::remainder(a - towardsDegrees, 360.0)));
        }
    return widest;
}

QPainterPath disc(QPointF c, double r) {
    QPainterPath p;
    p.addEllipse(c, r, r);
    return p;
}

void strokeCircle(QPainter& p, QPointF c, double r, const QBrush& brush, double width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(brush, width));
    p.drawEllipse(c, r, r);
}

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// Raised relief: a shadow to the lower right, a glint to the upper left, then the face. The
// offsets stay at two pixels or more, or they only blur the shape's edge.
void emboss(QPainter& p, const QPainterPath& shape, const MetalTone& tone, double depth,
            const QBrush& face) {
    p.setPen(Qt::NoPen);
    p.fillPath(shape.translated(depth, depth), withAlpha(tone.deep, 130));
    p.fillPath(shape.translated(-depth * 0.7, -depth * 0.7), withAlpha(tone.light, 220));
    p.fillPath(shape, face);
}

void paintMetalDisc(QPainter& p, QPointF c, double r, const MetalTone& tone) {
    p.setPen(Qt::NoPen);
    p.fillPath(disc(c, r), polishedBrush(tone, c, r));
    p.fillPath(disc(c, r), sheenBrush(tone, c));
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// The same metal a little brighter, for relief that stands out of the field.
MetalTone raisedTone(const MetalTone& tone) {
    return {tone.light, mix(tone.base, tone.light, 0.45), tone.base, tone.deep};
}

void paintWorldMap(QPainter& p, QPointF c, double fieldR, const MetalTone& tone) {
    const double w = 0.96 * fieldR; // half the map's width
    QTransform t;
    // Land lies mostly north of the equator: lift the map so it sits in the middle.
    t.translate(c.x(), c.y() + 0.10 * fieldR);
    t.scale(w, w * 1.3); // a little taller than a flat map, to fill the round field
    // Faint and wide rather than dark and fine: a hairline would only turn to grey noise.
    p.setPen(QPen(withAlpha(tone.deep, 45), 0.32, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(t.map(graticule()));
    const QPainterPath land = t.map(worldMap());
    emboss(p, land, tone, 0.32, polishedBrush(raisedTone(tone), c, 0.9 * fieldR));
}

void paintHeart(QPainter& p, QPointF c, double fieldR, const MetalTone& tone) {
    const QPointF at = c + QPointF(0, 0.05 * fieldR);
    QTransform t;
    t.translate(at.x(), at.y());
    t.scale(0.86 * fieldR, 0.86 * fieldR);
    const QPainterPath shape = t.map(heart());
    emboss(p, shape, tone, 0.34, polishedBrush(raisedTone(tone), at, 0.9 * fieldR));
    // A bright inner line gives the heart a rounded, cushioned look.
    QTransform inner;
    inner.translate(at.x(), at.y());
    inner.scale(0.70 * fieldR, 0.70 * fieldR);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(tone.light, 230), 0.32));
    p.drawPath(inner.map(heart()));
}

// The value's outline, centred on `c`; `size` 1 fills the field, the back sets its figures
// smaller, inside the heart.
QPainterPath valueFigures(const QString& value, QPointF c, double fieldR, double size) {
    // Large figures for little readers; two figures are set a bit smaller to fit.
    const double cap = size * (value.size() > 1 ? 0.68 : 0.88) * fieldR;
    QPainterPath figures = centredText(value, cap);
    const double maxWidth = size * 1.5 * fieldR;
    if (figures.boundingRect().width() > maxWidth) {
        const double s = maxWidth / figures.boundingRect().width();
        figures = QTransform::fromScale(s, s).map(figures);
    }
    return figures.translated(c);
}

// Bright metal around the figures, `width` across its outline, for dark figures to stand on.
void paintPlate(QPainter& p, const QPainterPath& figures, double width, const MetalTone& tone) {
    QPainterPathStroker plate;
    plate.setWidth(width);
    plate.setJoinStyle(Qt::RoundJoin);
    p.setPen(Qt::NoPen);
    p.fillPath(plate.createStroke(figures).united(figures), withAlpha(tone.light, 235));
}

void paintValue(QPainter& p, const QPainterPath& figures, const MetalTone& tone) {
    // A clear plate keeps the figures readable over the relief, and a solid dark fill with no
    // fine shading keeps their strokes bold when printed.
    paintPlate(p, figures, 0.9, tone);
    p.fillPath(figures.translated(0.3, 0.3), withAlpha(tone.dark, 170));
    p.fillPath(figures, tone.deep);
}

QPainterPath frontOrBackFigures(const PlacedCoin& coin, Face face, QPointF c, double fieldR) {
    if (face == Face::Front)
        return valueFigures(coin.spec.value, c, fieldR, 1.0);
    // The figures sit in the heart's broad upper part.
    return valueFigures(coin.spec.value, c - QPointF(0, 0.06 * fieldR), fieldR, 0.8);
}

// Little bosses on the lower rim, where the lettering leaves room: dots beside the map, hearts
// beside the heart. Three on the small coins, five where there is room.
void paintBosses(QPainter& p, QPointF c, double r, double spanDegrees, Face face,
                 const MetalTone& ring) {
    const double at = letterBase(r) + RimCapHeightMm / 2.0;
    const double free = 360.0 - spanDegrees;
    const double pitch = 15.0;
    const int count = free >= 6.0 * pitch + 40.0 ? 5 : 3;
    for (int i = -(count / 2); i <= count / 2; ++i) {
        const double a = (90.0 + i * pitch) * std::numbers::pi / 180.0;
        const QPointF centre = c + QPointF(at * std::cos(a), at * std::sin(a));
        QPainterPath boss;
        if (face == Face::Front) {
            boss = disc(centre, 0.42);
        } else {
            QTransform t;
            t.translate(centre.x(), centre.y());
            t.rotateRadians(a - std::numbers::pi / 2.0);
            t.scale(0.62, 0.62);
            boss = t.map(heart());
        }
        p.setPen(Qt::NoPen);
        p.fillPath(boss, ring.deep);
    }
}

} // namespace

CoinLettering measureLettering(const PlacedCoin& coin, Face face) {
    const double r = coin.diameterMm / 2.0;
    const QRectF figures =
        frontOrBackFigures(coin, face, QPointF(0, 0), fieldRadius(r)).boundingRect();
    CoinLettering lettering{shortestGlyphHeight(RimWords, RimCapHeightMm),
                            arcSpan(RimWords, letterBase(r), RimCapHeightMm, RimTracking) * 180.0 /
                                std::numbers::pi,
                            figures.height()};
    if (coin.spec.unit == Unit::Hundredth) {
        const QPainterPath words =
            arcText(RimWords, letterBase(r), RimCapHeightMm, Arc::Top, RimTracking);
        lettering.markHeightMm = shortestGlyphHeight(UnitMark, RimCapHeightMm, Fit::CapBand);
        lettering.markClearDegrees =
            180.0 - inkHalfSpanDegrees(words, -90.0) - inkHalfSpanDegrees(unitMark(r), 90.0);
    }
    return lettering;
}

void paintCoin(QPainter& p, const PlacedCoin& coin, Face face) {
    const QPointF c(coin.centreXMm, coin.centreYMm);
    const double r = coin.diameterMm / 2.0;
    const MetalTone ring = toneOf(coin.spec.ring);
    const MetalTone centre = toneOf(coin.spec.centre);
    const double fieldR = fieldRadius(r);

    p.save();

    // Body and raised outer edge.
    paintMetalDisc(p, c, r, ring);
    strokeCircle(p, c, r - OutlineMm - EdgeMm / 2.0, bevelBrush(ring, c, r, true), EdgeMm);

    // Lettering on the rim: the same on both faces, so nobody takes it for real money. Solid
    // dark letters on the bright ring, with no relief finer than the pixels.
    const QPainterPath rim =
        arcText(RimWords, letterBase(r), RimCapHeightMm, Arc::Top, RimTracking).translated(c);
    p.setPen(Qt::NoPen);
    p.fillPath(rim, ring.deep);
    if (coin.spec.unit == Unit::Hundredth) {
        // The lower rim lies in the coin's shadow, where dark figures on dark metal would all
        // but vanish in grey: the mark stands on a plate, as the value does, kept off the edge.
        const QPainterPath mark = unitMark(r).translated(c);
        p.save();
        p.setClipPath(disc(c, r - OutlineMm - EdgeMm), Qt::IntersectClip);
        paintPlate(p, mark, MarkPlateMm, ring);
        p.restore();
        p.setPen(Qt::NoPen);
        p.fillPath(mark, ring.deep);
    } else {
        paintBosses(p, c, r, measureLettering(coin, face).rimSpanDegrees, face, ring);
    }

    // The field: the other metal on a two-coloured coin, a sunk plane otherwise.
    if (coin.twoColoured()) {
        paintMetalDisc(p, c, fieldR, centre);
    } else {
        p.setPen(Qt::NoPen);
        p.fillPath(disc(c, fieldR), polishedBrush(centre, c + QPointF(0.1 * r, 0.1 * r), r));
    }

    p.setClipPath(disc(c, fieldR), Qt::IntersectClip);
    if (face == Face::Front)
        paintWorldMap(p, c, fieldR, centre);
    else
        paintHeart(p, c, fieldR, centre);
    paintValue(p, frontOrBackFigures(coin, face, c, fieldR), centre);
    p.setClipping(false);

    if (coin.twoColoured()) {
        strokeCircle(p, c, fieldR + GrooveLipMm / 2.0, QBrush(ring.light), GrooveLipMm);
        strokeCircle(p, c, fieldR - GrooveMm / 2.0, QBrush(ring.deep), GrooveMm);
        strokeCircle(p, c, fieldR - GrooveMm - GrooveLipMm / 2.0, QBrush(centre.light),
                     GrooveLipMm);
    } else {
        strokeCircle(p, c, fieldR, QBrush(ring.dark), FieldBorderMm);
    }
    // A crisp outline to cut along.
    strokeCircle(p, c, r - OutlineMm / 2.0, QBrush(ring.deep), OutlineMm);

    p.restore();
}

} // namespace zavolin::coinstrips
