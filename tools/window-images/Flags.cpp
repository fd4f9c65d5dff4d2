#include "Flags.h"

#include "Drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace windowimages {
namespace {

// The button flag is a 3:2 field centred in a 32 x 32 icon; the about window's flag fills its
// whole 32 x 20 picture.
QSize canvasOf(FlagFormat format) {
    return format == FlagFormat::Button ? QSize(32, 32) : QSize(32, 20);
}

QRectF fieldOf(FlagFormat format) {
    return format == FlagFormat::Button ? QRectF(1, 6, 30, 20) : QRectF(0, 0, 32, 20);
}

QImage flag(FlagFormat format, int scale,
            const std::function<void(QPainter&, const QRectF&)>& paintField) {
    const QSize canvas = canvasOf(format) * scale;
    const QRectF field = fieldOf(format);
    QImage image = transparentCanvas(canvas.width(), canvas.height());
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    p.setClipRect(field);
    p.setPen(Qt::NoPen);
    paintField(p, field);
    p.restore();
    p.setPen(QPen(QColor(30, 30, 30, 160), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(field.adjusted(0.5, 0.5, -0.5, -0.5));
    return image;
}

void horizontalBands(QPainter& p, const QRectF& f,
                     std::initializer_list<std::pair<QColor, double>> bands) {
    double total = 0;
    for (const auto& band : bands)
        total += band.second;
    double top = f.top();
    for (const auto& [colour, share] : bands) {
        const double height = f.height() * share / total;
        p.fillRect(QRectF(f.left(), top, f.width(), height), colour);
        top += height;
    }
}

} // namespace

QImage germanFlag(FlagFormat format, int scale) {
    return flag(format, scale, [](QPainter& p, const QRectF& f) {
        horizontalBands(p, f,
                        {{QColor(0, 0, 0), 1}, {QColor(221, 0, 0), 1}, {QColor(255, 206, 0), 1}});
    });
}

QImage britishFlag(FlagFormat format, int scale) {
    return flag(format, scale, [](QPainter& p, const QRectF& f) {
        const QColor blue(1, 33, 105), red(200, 16, 46);
        p.fillRect(f, blue);
        const QLineF down(f.topLeft(), f.bottomRight());
        const QLineF up(f.bottomLeft(), f.topRight());
        p.setPen(QPen(Qt::white, 4.0));
        p.drawLine(down);
        p.drawLine(up);
        p.setPen(QPen(red, 1.5));
        p.drawLine(down);
        p.drawLine(up);
        p.setPen(Qt::NoPen);
        const QPointF c = f.center();
        p.fillRect(QRectF(f.left(), c.y() - 3.5, f.width(), 7), Qt::white);
        p.fillRect(QRectF(c.x() - 3.5, f.top(), 7, f.height()), Qt::white);
        p.fillRect(QRectF(f.left(), c.y() - 2, f.width(), 4), red);
        p.fillRect(QRectF(c.x() - 2, f.top(), 4, f.height()), red);
    });
}

QImage spanishFlag(FlagFormat format, int scale) {
    return flag(format, scale, [](QPainter& p, const QRectF& f) {
        const QColor red(170, 21, 27), yellow(241, 191, 0);
        horizontalBands(p, f, {{red, 1}, {yellow, 2}, {red, 1}});
    });
}

QImage italianFlag(FlagFormat format, int scale) {
    return flag(format, scale, [](QPainter& p, const QRectF& f) {
        const QColor colours[] = {QColor(0, 146, 70), QColor(244, 245, 240), QColor(206, 43, 55)};
        const double width = f.width() / 3;
        for (int i = 0; i < 3; ++i)
            p.fillRect(QRectF(f.left() + i * width, f.top(), width, f.height()), colours[i]);
    });
}

} // namespace windowimages
