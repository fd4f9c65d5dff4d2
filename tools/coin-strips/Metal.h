#pragma once

#include "CoinLayout.h"

#include <QBrush>
#include <QColor>
#include <QPointF>

namespace zavolin::coinstrips {

// The shades one metal is drawn with: a lit side, a body and a side in shadow.
struct MetalTone {
    QColor light;
    QColor base;
    QColor dark;
    QColor deep; // engraving lines and the outline that guides the scissors
};

MetalTone toneOf(MetalKind kind);

// A polished face lit from the upper left: a radial gradient whose highlight sits off centre.
QBrush polishedBrush(const MetalTone& tone, QPointF centre, double radius);

// Fine concentric sheen of turned metal, laid over a polished face at low opacity.
QBrush sheenBrush(const MetalTone& tone, QPointF centre);

// A bevelled edge lit from the upper left (raised) or from the lower right (sunk).
QBrush bevelBrush(const MetalTone& tone, QPointF centre, double radius, bool raised);

} // namespace zavolin::coinstrips
