#include "TurnedOverSurface.h"

#include "PagePlan.h"
#include "platform/base/Units.h"
#include "platform/print/Printer.h"

namespace zavolin {

double paperCentreLine(Printer& printer) {
    // The paper's width is exact in twips (1440 to the inch); the printable area's left edge
    // is known to a device unit.
    const double paperWidth = printer.widthTwips() * MillimetresPerInch / 1440.0;
    const double printableLeft = printer.physicalOffsetX() / printer.deviceUnitsPerMillimetre();
    return paperWidth / 2 - printableLeft;
}

TurnedOverSurface::TurnedOverSurface(DrawingSurface& target, double centreLine, BackOffset offset)
    : m_target(target)
    , m_centreLine(centreLine)
    , m_offset(offset) {}

void TurnedOverSurface::line(double x1, double y1, double x2, double y2) {
    const QLineF turned = turnedOver(QLineF(x1, y1, x2, y2), m_centreLine, m_offset);
    m_target.line(turned.x1(), turned.y1(), turned.x2(), turned.y2());
}

void TurnedOverSurface::paintPicture(const Picture& picture, double x, double y, double width,
                                     double height) {
    const QRectF turned = turnedOver(QRectF(x, y, width, height), m_centreLine, m_offset);
    m_target.paintPicture(picture, turned.x(), turned.y(), turned.width(), turned.height());
}

void TurnedOverSurface::paintFootnote(const Picture& picture, double x, double y, double width,
                                      double height) {
    const QRectF turned = turnedOver(QRectF(x, y, width, height), m_centreLine, m_offset);
    m_target.paintFootnote(picture, turned.x(), turned.y(), turned.width(), turned.height());
}

} // namespace zavolin
