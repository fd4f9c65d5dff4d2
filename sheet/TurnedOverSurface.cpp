#include "TurnedOverSurface.h"

#include "platform/Printer.h"
#include "platform/Units.h"

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
    m_target.line(mirrored(x1), y1 + m_offset.y, mirrored(x2), y2 + m_offset.y);
}

void TurnedOverSurface::paintPicture(const Picture& picture, double x, double y, double width,
                                     double height) {
    m_target.paintPicture(picture, mirrored(x + width), y + m_offset.y, width, height);
}

} // namespace zavolin
