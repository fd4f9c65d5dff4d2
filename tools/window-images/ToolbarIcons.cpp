#include "ToolbarIcons.h"

#include "Drawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace windowimages {
namespace {

constexpr int IconSize = 32;
const QColor Outline(40, 40, 48);

void drawTextLines(QPainter& p, const QRectF& sheet, int count) {
    p.setPen(QPen(QColor(150, 150, 160), 1.0));
    for (int i = 0; i < count; ++i) {
        const double y = sheet.top() + 3.5 + 2.5 * i;
        p.drawLine(QPointF(sheet.left() + 2.5, y), QPointF(sheet.right() - 2.5, y));
    }
}

// An arrow from a tail point in the given direction, with a filled head.
void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    const QLineF shaft(from, to);
    const QLineF unit = shaft.unitVector();
    const QPointF dir(unit.dx(), unit.dy());
    const QPointF normal(-dir.y(), dir.x());
    const QPointF headBase = to - dir * 5.5;
    p.setPen(QPen(colour, 2.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, headBase);
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(headBase + normal * 4.0);
    head.lineTo(headBase - normal * 4.0);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
}

} // namespace

QImage printIcon(int scale) {
    QImage image = transparentCanvas(IconSize * scale, IconSize * scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);

    // Sheet waiting at the top.
    const QRectF inSheet(8.5, 2.5, 15, 12);
    p.setPen(QPen(Outline, 1.0));
    p.setBrush(Qt::white);
    p.drawRect(inSheet);
    drawTextLines(p, inSheet, 3);

    // Printer body.
    QLinearGradient body(0, 11, 0, 25);
    body.setColorAt(0, QColor(200, 200, 208));
    body.setColorAt(1, QColor(110, 110, 122));
    p.setPen(QPen(Outline, 1.0));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(2.5, 11.5, 27, 13), 2.5, 2.5);
    p.setBrush(QColor(60, 200, 80));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(25.0, 15.5), 1.4, 1.4);

    // Printed sheet coming out at the front.
    const QRectF outSheet(7.5, 19.5, 17, 10);
    p.setPen(QPen(Outline, 1.0));
    p.setBrush(Qt::white);
    p.drawRect(outSheet);
    drawTextLines(p, outSheet, 3);
    return image;
}

QImage printSetIcon(int scale) {
    QImage image = transparentCanvas(IconSize * scale, IconSize * scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);

    // Three sheets fanned out, each with a green note on it.
    const QColor note(90, 160, 90);
    for (int i = 0; i < 3; ++i) {
        const QRectF sheet(2.5 + 4 * i, 2.5 + 3 * i, 16, 21);
        p.setPen(QPen(Outline, 1.0));
        p.setBrush(Qt::white);
        p.drawRect(sheet);
        p.setPen(Qt::NoPen);
        p.setBrush(note);
        p.drawRect(sheet.adjusted(3, 4, -3, -11));
        p.drawRect(sheet.adjusted(3, 11, -3, -4));
    }
    // The turn of a sheet over its long edge.
    const QColor blue(30, 90, 200);
    p.setPen(QPen(blue, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(18, 17, 12, 12), 200 * 16, 250 * 16);
    drawArrow(p, QPointF(27.5, 27), QPointF(22, 29.5), blue);
    return image;
}

QImage adjustIcon(int scale) {
    QImage image = transparentCanvas(IconSize * scale, IconSize * scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);

    // A sheet with dashed guide lines, shifted down and to the right by the arrows.
    const QRectF sheet(4.5, 3.5, 17, 22);
    p.setPen(QPen(Outline, 1.0));
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    p.setPen(QPen(QColor(170, 170, 180), 1.0, Qt::DashLine));
    p.drawRect(sheet.adjusted(3, 3, -3, -3));

    const QColor blue(30, 90, 200);
    drawArrow(p, QPointF(13, 29.5), QPointF(31, 29.5), blue);
    drawArrow(p, QPointF(27, 6), QPointF(27, 24), blue);
    return image;
}

QImage exitIcon(int scale) {
    QImage image = transparentCanvas(IconSize * scale, IconSize * scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);

    // Door frame with the dark opening.
    p.setPen(QPen(Outline, 1.0));
    p.setBrush(QColor(40, 30, 25));
    p.drawRect(QRectF(3.5, 2.5, 15, 27));

    // The open door leaf, seen at an angle.
    QPainterPath leaf;
    leaf.moveTo(3.5, 2.5);
    leaf.lineTo(11.5, 5.5);
    leaf.lineTo(11.5, 31.0);
    leaf.lineTo(3.5, 29.5);
    leaf.closeSubpath();
    QLinearGradient wood(3, 0, 12, 0);
    wood.setColorAt(0, QColor(170, 110, 60));
    wood.setColorAt(1, QColor(120, 70, 35));
    p.setBrush(wood);
    p.drawPath(leaf);
    p.setBrush(QColor(240, 200, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(9.5, 17.5), 1.1, 1.1);

    drawArrow(p, QPointF(14, 16), QPointF(31, 16), QColor(210, 40, 40));
    return image;
}

QImage helpIcon(int scale) {
    QImage image = transparentCanvas(IconSize * scale, IconSize * scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);

    QRadialGradient ball(QPointF(12, 10), 20);
    ball.setColorAt(0, QColor(110, 170, 255));
    ball.setColorAt(1, QColor(20, 70, 170));
    p.setPen(QPen(QColor(15, 45, 110), 1.0));
    p.setBrush(ball);
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));

    // The question mark as strokes: a hook and a dot.
    QPainterPath hook;
    hook.moveTo(11.0, 12.0);
    hook.cubicTo(11.0, 6.0, 21.0, 6.0, 21.0, 11.5);
    hook.cubicTo(21.0, 15.0, 16.0, 15.5, 16.0, 19.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16.0, 24.5), 2.1, 2.1);
    return image;
}

} // namespace windowimages
