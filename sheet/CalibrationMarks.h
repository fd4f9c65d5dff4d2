#pragma once

#include "platform/Picture.h"

namespace zavolin {

// The marks of the calibration sheet, each a square picture whose centre is the point where
// a back should land: drawn 2 × CalibrationReach millimetres wide, centred on that point.
inline constexpr double CalibrationReach = 14;

// The front's two scales, meeting at the centre: X along the horizontal, counted to the right,
// and Y along the vertical, counted upwards, in millimetres from -10 to 10 with a tick every
// half millimetre. Read against the light, where the back's cross meets them gives the numbers
// to add to the back offset.
class CalibrationScales : public Picture {
public:
    QSizeF size() const override;
    void draw(QPainter& painter, const QRectF& target) const override;
    QByteArray contentKey() const override;
};

// The back's cross, its arms long enough to meet both scales of the front.
class CalibrationCross : public Picture {
public:
    QSizeF size() const override;
    void draw(QPainter& painter, const QRectF& target) const override;
    QByteArray contentKey() const override;
};

} // namespace zavolin
