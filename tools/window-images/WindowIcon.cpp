#include "WindowIcon.h"

#include "Drawing.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QSvgGenerator>

namespace windowimages {
namespace {

// One play note in a 64-unit design: a pale sheet, an inner border and an empty oval
// medallion. No value, no lettering, no currency sign.
void drawNote(QPainter& p, const QColor& paper, const QColor& ink) {
    const QRectF sheet(-24, -13, 48, 26);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(paper);
    p.drawRoundedRect(sheet, 2, 2);
    p.setPen(QPen(ink, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(sheet.adjusted(3, 3, -3, -3));
    p.setBrush(ink.lighter(170));
    p.drawEllipse(QPointF(-9, 0), 6.5, 7.5);
}

} // namespace

void paintWindowIcon(QPainter& p) {
    p.save();
    p.save();
    p.translate(30, 22);
    p.rotate(-12);
    drawNote(p, QColor(214, 232, 205), QColor(40, 110, 60));
    p.restore();

    p.save();
    p.translate(32, 33);
    p.rotate(6);
    drawNote(p, QColor(236, 222, 190), QColor(150, 70, 40));
    p.restore();

    // A plain golden coin in front.
    QRadialGradient gold(QPointF(44, 44), 16);
    gold.setColorAt(0, QColor(255, 236, 140));
    gold.setColorAt(1, QColor(200, 150, 30));
    p.setPen(QPen(QColor(130, 90, 10), 2.0));
    p.setBrush(gold);
    p.drawEllipse(QPointF(48, 48), 13, 13);
    p.setPen(QPen(QColor(150, 105, 20), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(48, 48), 9, 9);
    p.restore();
}

QImage windowIcon(int size) {
    QImage image = transparentCanvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    paintWindowIcon(p);
    return image;
}

bool writeWindowIconSvg(const QString& path) {
    // QSvgGenerator reports no write errors, so the file is opened here and checked after.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(64, 64));
    svg.setViewBox(QRect(0, 0, 64, 64));
    svg.setTitle(QStringLiteral("Zavolin"));
    svg.setDescription(QStringLiteral("Two play notes and a coin"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    p.setRenderHint(QPainter::Antialiasing);
    paintWindowIcon(p);
    p.end();
    return file.error() == QFileDevice::NoError;
}

} // namespace windowimages
