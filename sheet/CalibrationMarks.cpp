#include "CalibrationMarks.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <cmath>
#include <numbers>

namespace zavolin {
namespace {

// The front's lines reach as far as the vernier's last line can meet one: the back's 0 up to
// 10 mm off, and 9 lines beyond it.
constexpr double ScaleEnd = 28;
constexpr int NumberedReach = 10;
constexpr double FrontLine = 0.15;
constexpr double FrontZeroLine = 0.3;
constexpr double BackLine = 0.2; // a little bolder: it is seen through the paper
constexpr double LabelEm = 2.6;
constexpr double VernierEm = 2.4; // its numbers stand 1.9 mm apart
constexpr double LabelGap = 0.8;
constexpr double VernierTick = 3.0;
constexpr double VernierIndex = 5.0;
constexpr double TriangleLength = 1.6;
const QColor Ink(0, 0, 0);
const QColor ShowingThrough(130, 130, 130);

// A point `along` an axis from its 0, as its numbers grow, and `across` it: negative on the
// front scale's side, positive on the vernier's, as seen on the front (y downwards).
QPointF at(CalibrationAxis axis, double along, double across) {
    return axis == CalibrationAxis::Right ? QPointF(along, across) : QPointF(across, -along);
}

// Draws in millimetres of the picture's own size with the origin at the target's centre.
template <typename Draw>
void drawCentred(QPainter& painter, const QRectF& target, const QSizeF& size, Draw&& draw) {
    painter.save();
    painter.translate(target.center());
    painter.scale(target.width() / size.width(), target.height() / size.height());
    draw();
    painter.restore();
}

void usePen(QPainter& painter, const QColor& colour, double width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
}

// Text `em` millimetres high, its inked box against the anchor on the side(s) `side` names
// (centred where it names none), in the pen's colour.
void label(QPainter& painter, const QPointF& anchor, Qt::Alignment side, const QString& text,
           double em, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setBold(bold);
    const double k = em / 100;
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
    const QRectF box(ink.topLeft() * k, ink.size() * k);
    double x = anchor.x() - box.center().x();
    if (side & Qt::AlignLeft)
        x = anchor.x() - box.left();
    else if (side & Qt::AlignRight)
        x = anchor.x() - box.right();
    double y = anchor.y() - box.center().y();
    if (side & Qt::AlignTop)
        y = anchor.y() - box.top();
    else if (side & Qt::AlignBottom)
        y = anchor.y() - box.bottom();
    painter.save();
    painter.translate(x, y);
    painter.scale(k, k);
    painter.setFont(font);
    painter.drawText(QPointF(0, 0), text);
    painter.restore();
}

QString signedNumber(int value) {
    if (value == 0)
        return QStringLiteral("0");
    return (value > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) +
           QString::number(std::abs(value));
}

double frontTick(int millimetre) {
    if (millimetre == 0)
        return 5.5;
    if (millimetre % 10 == 0)
        return 4.5;
    return millimetre % 5 == 0 ? 3.5 : 2.5;
}

// A label beyond a line's end, on the front's side (outward) or the vernier's.
Qt::Alignment outward(CalibrationAxis axis, bool front) {
    if (axis == CalibrationAxis::Right)
        return Qt::AlignHCenter | (front ? Qt::AlignBottom : Qt::AlignTop);
    return Qt::AlignVCenter | (front ? Qt::AlignRight : Qt::AlignLeft);
}

// The front's scale from `from` to `to` millimetres, its lines on the front's side.
void drawScale(QPainter& painter, CalibrationAxis axis, double from, double to) {
    usePen(painter, Ink, FrontLine);
    painter.drawLine(at(axis, from, 0), at(axis, to, 0));
    for (int mm = int(std::ceil(from)); mm <= int(std::floor(to)); ++mm) {
        const double length = frontTick(mm);
        usePen(painter, Ink, mm == 0 ? FrontZeroLine : FrontLine);
        painter.drawLine(at(axis, mm, 0), at(axis, mm, -length));
        if (std::abs(mm) <= NumberedReach && mm % 5 == 0)
            label(painter, at(axis, mm, -length - LabelGap), outward(axis, true), signedNumber(mm),
                  LabelEm, mm == 0);
    }
}

// The vernier's lines `first` to 9 (first -9 or 0) as seen on the front, on the vernier's side.
void drawVernier(QPainter& painter, CalibrationAxis axis, int first, const QColor& colour) {
    // No line along it: seen through the paper it would cross the front's lines.
    usePen(painter, colour, BackLine);
    for (int k = first; k <= VernierLines; ++k) {
        const double along = k * VernierStep;
        const double length = k == 0 ? VernierIndex : VernierTick;
        painter.drawLine(at(axis, along, 0), at(axis, along, length));
        if (k != 0)
            label(painter, at(axis, along, length + LabelGap / 2), outward(axis, false),
                  QString::number(std::abs(k)), VernierEm);
    }
    // The 0 stands out: a triangle pointing at its line's end, and its number beyond.
    QPainterPath triangle;
    triangle.moveTo(at(axis, 0, VernierIndex));
    triangle.lineTo(at(axis, -TriangleLength / 2, VernierIndex + TriangleLength));
    triangle.lineTo(at(axis, TriangleLength / 2, VernierIndex + TriangleLength));
    triangle.closeSubpath();
    painter.fillPath(triangle, colour);
    label(painter, at(axis, 0, VernierIndex + TriangleLength + LabelGap / 2), outward(axis, false),
          QStringLiteral("0"), LabelEm, true);
}

} // namespace

QPointF calibrationScaleDirection(CalibrationAxis axis) {
    return at(axis, 1, 0);
}

QSizeF calibrationMarkSize(CalibrationAxis axis) {
    return axis == CalibrationAxis::Right ? QSizeF(60, 20) : QSizeF(25, 60);
}

QSizeF CalibrationScale::size() const {
    return calibrationMarkSize(m_axis);
}

void CalibrationScale::draw(QPainter& painter, const QRectF& target) const {
    drawCentred(painter, target, size(), [&] { drawScale(painter, m_axis, -ScaleEnd, ScaleEnd); });
}

QByteArray CalibrationScale::contentKey() const {
    return "calibration-scale:" + QByteArray::number(int(m_axis));
}

QSizeF CalibrationVernier::size() const {
    return calibrationMarkSize(m_axis);
}

void CalibrationVernier::draw(QPainter& painter, const QRectF& target) const {
    drawCentred(painter, target, size(), [&] {
        // Printed on the back as its mirror image, it is seen the right way round through it.
        painter.scale(-1, 1);
        drawVernier(painter, m_axis, -VernierLines, Ink);
    });
}

QByteArray CalibrationVernier::contentKey() const {
    return "calibration-vernier:" + QByteArray::number(int(m_axis));
}

QSizeF CalibrationDrawing::size() const {
    return {38, 32};
}

void CalibrationDrawing::draw(QPainter& painter, const QRectF& target) const {
    const QSizeF own = size();
    drawCentred(painter, target, own, [&] {
        painter.translate(-own.width() / 2, -own.height() / 2);
        painter.setRenderHint(QPainter::Antialiasing);
        // The window: four panes of daylight in a frame, the sun in one of them.
        const QRectF window(1, 1, 36, 30);
        painter.fillRect(window, QColor(214, 230, 244));
        painter.setBrush(QColor(250, 204, 70));
        usePen(painter, QColor(225, 160, 20), 0.3);
        painter.drawEllipse(QPointF(31, 6.5), 2.6, 2.6);
        for (int ray = 0; ray < 8; ++ray) {
            const double angle = ray * std::numbers::pi / 4;
            const QPointF dir(std::cos(angle), std::sin(angle));
            painter.drawLine(QPointF(31, 6.5) + 3.3 * dir, QPointF(31, 6.5) + 4.6 * dir);
        }
        painter.setBrush(Qt::NoBrush);
        usePen(painter, QColor(90, 90, 90), 0.9);
        painter.drawRect(window);
        painter.drawLine(QPointF(19, 1), QPointF(19, 31));
        painter.drawLine(QPointF(1, 13), QPointF(37, 13));

        // The sheet held up against it, lit from behind, slightly turned in the hands.
        painter.save();
        painter.translate(18, 18);
        painter.rotate(-4);
        const QRectF sheet(-8, -11, 16, 22);
        painter.setBrush(QColor(255, 252, 232));
        usePen(painter, Ink, 0.35);
        painter.drawRect(sheet);
        // Its scales, the back's showing through in grey a little beside the front's.
        usePen(painter, Ink, 0.2);
        painter.drawLine(QPointF(-5, 2), QPointF(5, 2));
        painter.drawLine(QPointF(5.5, -4), QPointF(5.5, 7));
        for (int i = -5; i <= 5; ++i)
            painter.drawLine(QPointF(i, 2), QPointF(i, i % 5 == 0 ? 0.6 : 1.2));
        usePen(painter, ShowingThrough, 0.2);
        for (int i = -2; i <= 2; ++i)
            painter.drawLine(QPointF(0.6 + 1.9 * i * 0.5, 2.2), QPointF(0.6 + 1.9 * i * 0.5, 3.2));
        painter.setBrush(Qt::NoBrush);
        // Lines of writing above them.
        usePen(painter, QColor(110, 110, 110), 0.5);
        for (int line = 0; line < 4; ++line)
            painter.drawLine(QPointF(-5.5, -8 + 1.6 * line),
                             QPointF(line == 3 ? 1 : 5.5, -8 + 1.6 * line));
        // Two thumbs at its lower edges.
        painter.setBrush(QColor(240, 200, 165));
        usePen(painter, QColor(150, 100, 70), 0.3);
        painter.drawRoundedRect(QRectF(-10, 4, 4.2, 7.5), 2, 2);
        painter.drawRoundedRect(QRectF(5.8, 4, 4.2, 7.5), 2, 2);
        painter.restore();
    });
}

QByteArray CalibrationDrawing::contentKey() const {
    return "calibration-drawing";
}

namespace {

// The example's reading, and what it shows of the scale.
constexpr double ExampleReading = 1.4;
constexpr int ExampleLine = 4;
constexpr double ExampleFrom = -2.5;
constexpr double ExampleTo = 20;
constexpr double ExampleAbove = 9;
constexpr double ExampleBelow = 9.5;

} // namespace

QSizeF CalibrationExample::size() const {
    return {ExampleTo - ExampleFrom + 1, ExampleAbove + ExampleBelow};
}

void CalibrationExample::draw(QPainter& painter, const QRectF& target) const {
    const QSizeF own = size();
    drawCentred(painter, target, own, [&] {
        painter.translate(-own.width() / 2 - ExampleFrom + 0.5, -own.height() / 2 + ExampleAbove);
        painter.setRenderHint(QPainter::Antialiasing);
        drawScale(painter, CalibrationAxis::Right, ExampleFrom, ExampleTo - 0.5);
        painter.save();
        painter.translate(ExampleReading, 0);
        drawVernier(painter, CalibrationAxis::Right, 0, ShowingThrough);
        painter.restore();
        const double met = ExampleReading + ExampleLine * VernierStep;
        painter.setBrush(Qt::NoBrush);
        usePen(painter, QColor(200, 40, 40), 0.35);
        painter.drawEllipse(QPointF(met, 0), 0.9, 2.6);
    });
}

QByteArray CalibrationExample::contentKey() const {
    return "calibration-example";
}

} // namespace zavolin
