#include "CoinPainter.h"

#include "Metal.h"
#include "Motifs.h"
#include "RimText.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>
#include <QTransform>
#include <cmath>
#include <numbers>

namespace zavolin::coinstrips {

namespace {

// Proportions of a coin, as fractions of its radius.
constexpr double EdgeWidth = 0.07;     // the raised outer edge
constexpr double FieldRadius = 0.72;   // the sunk field, or the centre of a two-coloured coin
constexpr double RimCapHeight = 0.125; // the rim lettering
constexpr double OutlineMm = 0.14;     // the dark line the scissors follow

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

// Raised relief: a shadow to the lower right, a glint to the upper left, then the face.
void emboss(QPainter& p, const QPainterPath& shape, const MetalTone& tone, double depth,
            const QBrush& face) {
    p.setPen(Qt::NoPen);
    p.fillPath(shape.translated(depth, depth), withAlpha(tone.deep, 150));
    p.fillPath(shape.translated(-depth * 0.7, -depth * 0.7), withAlpha(tone.light, 220));
    p.fillPath(shape, face);
}

// A fine engraved line that keeps a low relief visible on the bright metals.
void outline(QPainter& p, const QPainterPath& shape, const MetalTone& tone) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(tone.dark, 150), 0.06));
    p.drawPath(shape);
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
    p.setPen(QPen(withAlpha(tone.deep, 80), 0.05, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(t.map(graticule()));
    const QPainterPath land = t.map(worldMap());
    const MetalTone raised = raisedTone(tone);
    emboss(p, land, tone, 0.11, polishedBrush(raised, c, 0.9 * fieldR));
    outline(p, land, tone);
}

void paintHeart(QPainter& p, QPointF c, double fieldR, const MetalTone& tone) {
    const QPointF at = c + QPointF(0, 0.05 * fieldR);
    QTransform t;
    t.translate(at.x(), at.y());
    t.scale(0.84 * fieldR, 0.84 * fieldR);
    const QPainterPath shape = t.map(heart());
    const MetalTone raised = raisedTone(tone);
    emboss(p, shape, tone, 0.16, polishedBrush(raised, at, 0.9 * fieldR));
    outline(p, shape, tone);
    // A second, smaller outline gives the heart a rounded, cushioned look.
    QTransform inner;
    inner.translate(at.x(), at.y());
    inner.scale(0.70 * fieldR, 0.70 * fieldR);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(tone.dark, 120), 0.07));
    p.drawPath(inner.map(heart()).translated(0.04, 0.04));
    p.setPen(QPen(withAlpha(tone.light, 230), 0.07));
    p.drawPath(inner.map(heart()));
}

// `size` 1 fills the field; the back sets its figures smaller, inside the heart.
void paintValue(QPainter& p, const QString& value, QPointF c, double fieldR, const MetalTone& tone,
                double size) {
    // Large, dark figures for little readers; two figures are set a bit smaller to fit.
    const double cap = size * (value.size() > 1 ? 0.66 : 0.86) * fieldR;
    QPainterPath figures = centredText(value, cap);
    const double maxWidth = size * 1.45 * fieldR;
    if (figures.boundingRect().width() > maxWidth) {
        const double s = maxWidth / figures.boundingRect().width();
        figures = QTransform::fromScale(s, s).map(figures);
    }
    figures.translate(c);
    // A clear plate of field metal around the figures keeps them readable over the relief.
    QPainterPathStroker plate;
    plate.setWidth(0.55);
    plate.setJoinStyle(Qt::RoundJoin);
    p.fillPath(plate.createStroke(figures).united(figures), polishedBrush(tone, c, fieldR));
    QLinearGradient ink(c - QPointF(0, cap / 2), c + QPointF(0, cap / 2));
    ink.setColorAt(0.0, tone.dark);
    ink.setColorAt(1.0, tone.deep);
    emboss(p, figures, tone, 0.14, QBrush(ink));
}

} // namespace

void paintCoin(QPainter& p, const PlacedCoin& coin, Face face) {
    const QPointF c(coin.centreXMm, coin.centreYMm);
    const double r = coin.diameterMm / 2.0;
    const MetalTone ring = toneOf(coin.spec.ring);
    const MetalTone centre = toneOf(coin.spec.centre);
    const double fieldR = FieldRadius * r;

    p.save();

    // Body and raised outer edge.
    paintMetalDisc(p, c, r, ring);
    strokeCircle(p, c, r * (1.0 - EdgeWidth / 2.0), bevelBrush(ring, c, r, true), EdgeWidth * r);
    strokeCircle(p, c, r * (1.0 - EdgeWidth), bevelBrush(ring, c, r, false), 0.018 * r);

    // Lettering on the rim: the same on both faces, so nobody takes it for real money.
    const double textBase = r * (1.0 - EdgeWidth - 0.045) - RimCapHeight * r;
    const QPainterPath rim =
        arcText(QStringLiteral("SPIELGELD"), textBase, RimCapHeight * r, Arc::Top);
    emboss(p, rim.translated(c), ring, 0.05, QBrush(ring.dark));
    // Little bosses along the lower rim: dots beside the map, hearts beside the heart.
    const double bossRing = textBase + RimCapHeight * r / 2.0;
    for (int i = -2; i <= 2; ++i) {
        const double a = (90.0 + i * 16.0) * std::numbers::pi / 180.0;
        const QPointF at = c + QPointF(bossRing * std::cos(a), bossRing * std::sin(a));
        QPainterPath boss;
        if (face == Face::Front) {
            boss = disc(at, 0.028 * r);
        } else {
            QTransform t;
            t.translate(at.x(), at.y());
            t.rotateRadians(a - std::numbers::pi / 2.0);
            t.scale(0.05 * r, 0.05 * r);
            boss = t.map(heart());
        }
        emboss(p, boss, ring, 0.04, QBrush(ring.dark));
    }

    // The field: the other metal on a two-coloured coin, a sunk plane otherwise.
    if (coin.twoColoured()) {
        paintMetalDisc(p, c, fieldR, centre);
        strokeCircle(p, c, fieldR, QBrush(centre.deep), 0.09);
    } else {
        p.setPen(Qt::NoPen);
        p.fillPath(disc(c, fieldR), polishedBrush(centre, c + QPointF(0.1 * r, 0.1 * r), r));
        strokeCircle(p, c, fieldR, bevelBrush(centre, c, fieldR, false), 0.03 * r);
    }

    p.setClipPath(disc(c, fieldR * 0.97), Qt::IntersectClip);
    if (face == Face::Front) {
        paintWorldMap(p, c, fieldR, centre);
        paintValue(p, coin.spec.value, c, fieldR, centre, 1.0);
    } else {
        paintHeart(p, c, fieldR, centre);
        // The figures sit in the heart's broad upper part.
        paintValue(p, coin.spec.value, c - QPointF(0, 0.06 * fieldR), fieldR, centre, 0.78);
    }
    p.setClipping(false);

    // A crisp outline to cut along.
    strokeCircle(p, c, r - OutlineMm / 2.0, QBrush(ring.deep), OutlineMm);

    p.restore();
}

} // namespace zavolin::coinstrips
