#include "CalibrationMarks.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <cmath>

namespace zavolin {
namespace {

constexpr double ScaleReach = 10;  // millimetres either way
constexpr double LineWidth = 0.12; // thin, yet seen through paper
constexpr double LabelHeight = 1.6;
constexpr double NameHeight = 2.2;
const QColor MarkColour(0, 0, 0);

// Draws in millimetres with the origin at the target's centre.
template <typename Draw>
void drawCentred(QPainter& painter, const QRectF& target, Draw&& draw) {
    painter.save();
    painter.translate(target.center());
    painter.scale(target.width() / (2 * CalibrationReach),
                  target.height() / (2 * CalibrationReach));
    painter.setPen(QPen(MarkColour, LineWidth, Qt::SolidLine, Qt::FlatCap));
    draw();
    painter.restore();
}

// Text centred on a point, `height` millimetres high.
void centredText(QPainter& painter, const QPointF& centre, const QString& text, double height,
                 bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setBold(bold);
    painter.save();
    painter.translate(centre);
    painter.scale(height / 100, height / 100);
    painter.setFont(font);
    painter.drawText(QRectF(-200, -60, 400, 120), Qt::AlignCenter, text);
    painter.restore();
}

void label(QPainter& painter, const QPointF& centre, int value) {
    centredText(painter, centre,
                value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value), LabelHeight);
}

double tickLength(int halfMillimetres) {
    if (halfMillimetres % 10 == 0)
        return 2.0;
    return halfMillimetres % 2 == 0 ? 1.2 : 0.6;
}

} // namespace

QSizeF CalibrationScales::size() const {
    return {2 * CalibrationReach, 2 * CalibrationReach};
}

void CalibrationScales::draw(QPainter& painter, const QRectF& target) const {
    drawCentred(painter, target, [&] {
        painter.drawLine(QLineF(-ScaleReach, 0, ScaleReach, 0));
        painter.drawLine(QLineF(0, -ScaleReach, 0, ScaleReach));
        const int halves = int(std::lround(2 * ScaleReach));
        for (int k = -halves; k <= halves; ++k) {
            const double at = k / 2.0;
            const double length = tickLength(k);
            // X ticks hang below the horizontal scale, Y ticks reach left of the vertical one;
            // their numbers stand beyond them, every 5 mm, so the two sets never meet.
            painter.drawLine(QLineF(at, 0, at, length));
            painter.drawLine(QLineF(0, at, -length, at));
            if (k != 0 && k % 10 == 0) {
                label(painter, QPointF(at, length + 1.3), k / 2);
                // Y counts upwards: the tick below the centre is negative.
                label(painter, QPointF(-length - 2.2, at), -k / 2);
            }
        }
        // Which scale is which, beside their ends.
        centredText(painter, QPointF(ScaleReach + 2.0, 0), QStringLiteral("X"), NameHeight, true);
        centredText(painter, QPointF(0, -ScaleReach - 2.0), QStringLiteral("Y"), NameHeight, true);
    });
}

QByteArray CalibrationScales::contentKey() const {
    return "calibration-scales";
}

QSizeF CalibrationCross::size() const {
    return {2 * CalibrationReach, 2 * CalibrationReach};
}

void CalibrationCross::draw(QPainter& painter, const QRectF& target) const {
    drawCentred(painter, target, [&] {
        painter.drawLine(QLineF(-CalibrationReach, 0, CalibrationReach, 0));
        painter.drawLine(QLineF(0, -CalibrationReach, 0, CalibrationReach));
        painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    });
}

QByteArray CalibrationCross::contentKey() const {
    return "calibration-cross";
}

} // namespace zavolin
