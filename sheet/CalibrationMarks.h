#pragma once

#include "platform/pictures/Picture.h"

#include <QPointF>

namespace zavolin {

// The calibration sheet measures where a back lands behind its front, in the two directions of
// the set dialog's fields "right" and "down". For each, the front carries a millimetre scale and
// the back a vernier whose 0 lies exactly behind the scale's 0 when the back lands where it
// should. Held against the light, the back's 0 gives the whole millimetres and the back's line
// that meets a front line the tenths. The vernier is extended: its lines are VernierStep apart,
// not 0.9 mm, so each line has room for its number, and line k meets a front line when the
// reading's tenths are k, either way of 0.
enum class CalibrationAxis : qint16 {
    Right = 0,
    Down = 1,
};

inline constexpr double VernierStep = 1.9; // millimetres between the back's lines
inline constexpr int VernierLines = 9;     // numbered 1 to 9 either way of its 0

// Where the numbers of a front scale grow, as seen on the front (y downwards). The number read
// at the back's 0 is its distance from the scale's 0 in this direction, and it is what the
// field needs added: turned over about the long edge, right on the back is left on the front,
// so a back that shows too far right is printed too far left; one that shows too high is
// printed too high on both sides. So both scales count as the front sees it: to the right and
// upwards.
QPointF calibrationScaleDirection(CalibrationAxis axis);

// A front scale or a back vernier, its 0 at the centre of the rectangle it is drawn into, in
// millimetres: the scale's side of the rectangle is where the back's vernier shows through.
QSizeF calibrationMarkSize(CalibrationAxis axis);

// The front's millimetre scale: a line each millimetre, longer every 5 mm, numbered every 5 mm
// up to 10 either way and going on unnumbered as far as the vernier's lines reach.
class CalibrationScale : public Picture {
public:
    explicit CalibrationScale(CalibrationAxis axis)
        : m_axis(axis) {}
    QSizeF size() const override;
    void draw(QPainter& painter, const QRectF& target) const override;
    QByteArray contentKey() const override;

private:
    CalibrationAxis m_axis;
};

// The back's vernier: its 0 marked by a triangle, and lines numbered 1 to 9 either way. Drawn
// mirrored, so that through the paper, seen from the front, its numbers read as printed.
class CalibrationVernier : public Picture {
public:
    explicit CalibrationVernier(CalibrationAxis axis)
        : m_axis(axis) {}
    QSizeF size() const override;
    void draw(QPainter& painter, const QRectF& target) const override;
    QByteArray contentKey() const override;

private:
    CalibrationAxis m_axis;
};

// A sheet held up against a window, its front towards whoever looks at the drawing.
class CalibrationDrawing : public Picture {
public:
    QSizeF size() const override;
    void draw(QPainter& painter, const QRectF& target) const override;
    QByteArray contentKey() const override;
};

// The scale "right" as it looks against the light for a reading of 1.4, magnified: the front's
// lines in black, the back's in grey as they show through, the back's line 4 ringed where it
// meets a front line.
class CalibrationExample : public Picture {
public:
    QSizeF size() const override;
    void draw(QPainter& painter, const QRectF& target) const override;
    QByteArray contentKey() const override;
};

} // namespace zavolin
