#include "PictureSets.h"

#include <QBuffer>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QStringList>
#include <cmath>
#include <map>
#include <string>

namespace zavolin::bench {
namespace {

constexpr int Rows = 10;
constexpr int Cols = 2;
constexpr double CellWidth = 1200;
constexpr double CellHeight = 620;
constexpr double Pi = 3.14159265358979323846;

// Each denomination has its own hue; light for the ground, dark for line work.
QColor ground(int d) {
    return QColor::fromHsv((d * 36) % 360, 40, 250);
}
QColor ink(int d) {
    return QColor::fromHsv((d * 36 + 200) % 360, 200, 110);
}
QColor accent(int d) {
    return QColor::fromHsv((d * 36 + 100) % 360, 170, 190);
}

// Where the emblem and the large caption sit: mirrored on the back.
QPointF emblemCentre(bool back) {
    return {back ? 300.0 : 900.0, 300.0};
}

// One line of a guilloche rosette: a closed wavy ring around the centre.
QPolygonF rosetteLine(QPointF centre, double radius, int i, int points) {
    QPolygonF line;
    for (int t = 0; t <= points; ++t) {
        const double a = 2 * Pi * t / points;
        const double r =
            radius * (0.72 + 0.22 * std::sin(7 * a + i * 0.45) + 0.06 * std::cos(13 * a - i * 0.3));
        line << QPointF(centre.x() + r * std::cos(a + i * 0.11),
                        centre.y() + 0.82 * r * std::sin(a + i * 0.11));
    }
    return line;
}

// One line of the wave band along the note's lower edge.
QPolygonF waveLine(int i, int lines, int points) {
    QPolygonF line;
    const double top = 470;
    const double spacing = 110.0 / lines;
    for (int t = 0; t <= points; ++t) {
        const double x = 60 + (CellWidth - 120) * t / points;
        line << QPointF(x, top + i * spacing + 9 * std::sin(x / 38 + i * 0.5));
    }
    return line;
}

QPolygonF star(QPointF centre, double radius) {
    QPolygonF shape;
    for (int t = 0; t < 10; ++t) {
        const double a = -Pi / 2 + Pi * t / 5;
        const double r = t % 2 ? radius * 0.42 : radius;
        shape << QPointF(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    }
    return shape;
}

QString serial(int k) {
    return QStringLiteral("ZV %1").arg(104729 * (k + 3) % 9000000 + 1000000);
}

const QString MicroText = QStringLiteral("ZAVOLIN PLAY MONEY \u00B7 ");

void paintRasterNote(QPainter& painter, int k) {
    const int d = k / 2 + 1;
    const bool back = k % 2;
    const QRectF cell(0, 0, CellWidth, CellHeight);

    QLinearGradient groundFill(0, 0, CellWidth, CellHeight);
    groundFill.setColorAt(0, ground(d));
    groundFill.setColorAt(0.5, Qt::white);
    groundFill.setColorAt(1, ground(d).darker(110));
    painter.fillRect(cell, groundFill);

    painter.setBrush(Qt::NoBrush);
    QColor lineInk = ink(d);
    lineInk.setAlpha(140);
    painter.setPen(QPen(lineInk, 1.6));
    for (int i = 0; i < 16; ++i)
        painter.drawPolyline(rosetteLine(emblemCentre(back), 250, i, 360));
    QColor waveInk = accent(d);
    waveInk.setAlpha(160);
    painter.setPen(QPen(waveInk, 1.4));
    for (int i = 0; i < 24; ++i)
        painter.drawPolyline(waveLine(i, 24, 240));

    QRadialGradient emblemFill(emblemCentre(back), 150);
    emblemFill.setColorAt(0, Qt::white);
    emblemFill.setColorAt(0.7, accent(d));
    emblemFill.setColorAt(1, ink(d));
    painter.setPen(QPen(ink(d), 4));
    painter.setBrush(emblemFill);
    painter.drawEllipse(emblemCentre(back), 130, 130);
    painter.setBrush(accent(d));
    painter.setPen(QPen(ink(d), 2));
    for (int i = 0; i < 6; ++i)
        painter.drawPolygon(star(QPointF(back ? 620 + 90 * i : 130 + 90 * i, 410), 28));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink(d), 10));
    painter.drawRoundedRect(cell.adjusted(18, 18, -18, -18), 30, 30);
    painter.setPen(QPen(accent(d), 3));
    painter.drawRoundedRect(cell.adjusted(38, 38, -38, -38), 20, 20);

    painter.setPen(ink(d));
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(72);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRectF(back ? 560 : 80, 70, 560, 100), Qt::AlignCenter,
                     back ? QStringLiteral("PLAY MONEY") : QStringLiteral("ZAVOLIN"));
    QFont numeral(QStringLiteral("DejaVu Sans"));
    numeral.setBold(true);
    numeral.setPixelSize(200);
    painter.setFont(numeral);
    painter.drawText(QRectF(back ? 560 : 80, 170, 560, 260), Qt::AlignCenter,
                     denominationCaption(d));
    numeral.setPixelSize(60);
    painter.setFont(numeral);
    painter.drawText(QRectF(60, 50, 200, 80), Qt::AlignLeft | Qt::AlignTop, denominationCaption(d));
    painter.drawText(QRectF(CellWidth - 260, CellHeight - 130, 200, 80),
                     Qt::AlignRight | Qt::AlignBottom, denominationCaption(d));
    QFont micro(QStringLiteral("DejaVu Sans"));
    micro.setPixelSize(16);
    painter.setFont(micro);
    painter.drawText(QRectF(50, 42, CellWidth - 100, 20), Qt::AlignLeft, MicroText.repeated(14));
    painter.drawText(QRectF(50, CellHeight - 62, CellWidth - 100, 20), Qt::AlignLeft,
                     MicroText.repeated(14));
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPixelSize(30);
    painter.setFont(mono);
    painter.setPen(Qt::darkRed);
    painter.drawText(QRectF(back ? 80 : 760, 430, 360, 40), Qt::AlignCenter, serial(k));
}

QString num(double value) {
    return QString::number(value, 'f', 1);
}

QString pathData(const QPolygonF& points, bool closed) {
    QString data = QStringLiteral("M%1 %2").arg(num(points.first().x()), num(points.first().y()));
    for (qsizetype i = 1; i < points.size(); ++i)
        data += QStringLiteral(" L%1 %2").arg(num(points[i].x()), num(points[i].y()));
    return closed ? data + QStringLiteral(" Z") : data;
}

QString svgNote(int k) {
    const int d = k / 2 + 1;
    const bool back = k % 2;
    const QPointF emblem = emblemCentre(back);
    QString g = QStringLiteral("<g id='note-%1' transform='translate(%2,%3)'>")
                    .arg(k)
                    .arg((k % Cols) * CellWidth)
                    .arg((k / Cols) * CellHeight);
    g += QStringLiteral("<rect width='1200' height='620' fill='url(#ground-%1)'/>").arg(d);
    for (int i = 0; i < 8; ++i)
        g += QStringLiteral("<path d='%1' fill='none' stroke='%2' stroke-opacity='0.55' "
                            "stroke-width='1.6'/>")
                 .arg(pathData(rosetteLine(emblem, 250, i * 2, 90), true), ink(d).name());
    for (int i = 0; i < 4; ++i)
        g += QStringLiteral("<path d='%1' fill='none' stroke='%2' stroke-width='1.4'/>")
                 .arg(pathData(waveLine(i * 6, 24, 60), false), accent(d).name());
    g += QStringLiteral("<circle cx='%1' cy='%2' r='130' fill='url(#emblem-%3)' stroke='%4' "
                        "stroke-width='4'/>")
             .arg(num(emblem.x()), num(emblem.y()))
             .arg(d)
             .arg(ink(d).name());
    for (int i = 0; i < 5; ++i)
        g += QStringLiteral("<path d='%1' fill='%2' stroke='%3' stroke-width='2'/>")
                 .arg(pathData(star(QPointF(back ? 620 + 90 * i : 130 + 90 * i, 410), 28), true),
                      accent(d).name(), ink(d).name());
    g += QStringLiteral("<rect x='18' y='18' width='1164' height='584' rx='30' fill='none' "
                        "stroke='%1' stroke-width='10'/>"
                        "<rect x='38' y='38' width='1124' height='544' rx='20' fill='none' "
                        "stroke='%2' stroke-width='3'/>")
             .arg(ink(d).name(), accent(d).name());
    const double column = back ? 840 : 360;
    g += QStringLiteral("<g font-family='DejaVu Sans' fill='%1'>").arg(ink(d).name());
    g += QStringLiteral("<text x='%1' y='145' font-family='DejaVu Serif' font-size='72' "
                        "font-weight='bold' text-anchor='middle'>%2</text>")
             .arg(num(column), back ? QStringLiteral("PLAY MONEY") : QStringLiteral("ZAVOLIN"));
    g += QStringLiteral("<text x='%1' y='370' font-size='200' font-weight='bold' "
                        "text-anchor='middle'>%2</text>")
             .arg(num(column), denominationCaption(d));
    g += QStringLiteral("<text x='60' y='105' font-size='60' font-weight='bold'>%1</text>"
                        "<text x='1140' y='560' font-size='60' font-weight='bold' "
                        "text-anchor='end'>%1</text>")
             .arg(denominationCaption(d));
    g += QStringLiteral("<text x='50' y='58' font-size='16'>%1</text>"
                        "<text x='50' y='574' font-size='16'>%1</text>")
             .arg(MicroText.repeated(14).toHtmlEscaped());
    g += QStringLiteral("<text x='%1' y='460' font-family='DejaVu Sans Mono' font-size='30' "
                        "fill='#8b0000' text-anchor='middle'>%2</text>")
             .arg(num(back ? 260 : 940), serial(k));
    return g + QStringLiteral("</g></g>");
}

QString svgDefinitions() {
    QString defs = QStringLiteral("<defs>");
    for (int d = 1; d <= Rows; ++d) {
        defs += QStringLiteral("<linearGradient id='ground-%1' x1='0' y1='0' x2='1' y2='1'>"
                               "<stop offset='0' stop-color='%2'/>"
                               "<stop offset='0.5' stop-color='#ffffff'/>"
                               "<stop offset='1' stop-color='%3'/></linearGradient>")
                    .arg(d)
                    .arg(ground(d).name(), ground(d).darker(110).name());
        defs += QStringLiteral("<radialGradient id='emblem-%1' cx='0.5' cy='0.5' r='0.5'>"
                               "<stop offset='0' stop-color='#ffffff'/>"
                               "<stop offset='0.7' stop-color='%2'/>"
                               "<stop offset='1' stop-color='%3'/></radialGradient>")
                    .arg(d)
                    .arg(accent(d).name(), ink(d).name());
    }
    return defs + QStringLiteral("</defs>");
}

} // namespace

QString denominationCaption(int d) {
    static const QStringList captions{
        QStringLiteral("1"),   QStringLiteral("2"),   QStringLiteral("5"),   QStringLiteral("10"),
        QStringLiteral("20"),  QStringLiteral("50"),  QStringLiteral("100"), QStringLiteral("200"),
        QStringLiteral("500"), QStringLiteral("1000")};
    return captions.value(d - 1);
}

QImage rasterSet() {
    QImage image(RasterWidth, RasterHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int k = 0; k < Rows * Cols; ++k) {
        painter.save();
        painter.translate((k % Cols) * CellWidth, (k / Cols) * CellHeight);
        painter.setClipRect(QRectF(0, 0, CellWidth, CellHeight));
        paintRasterNote(painter, k);
        painter.restore();
    }
    painter.end();
    return image;
}

const QByteArray& encodedRasterSet(const char* format) {
    static std::map<std::string, QByteArray> encoded;
    QByteArray& bytes = encoded[format];
    if (bytes.isEmpty()) {
        static const QImage image = rasterSet();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        // JPEG at a common photo quality; PNG at its default compression.
        image.save(&buffer, format, qstrcmp(format, "JPEG") == 0 ? 90 : -1);
    }
    return bytes;
}

const QByteArray& vectorSet() {
    static const QByteArray svg = [] {
        QString text = QStringLiteral("<?xml version='1.0' encoding='UTF-8'?>\n"
                                      "<svg xmlns='http://www.w3.org/2000/svg' width='%1' "
                                      "height='%2' viewBox='0 0 %1 %2'>")
                           .arg(RasterWidth)
                           .arg(RasterHeight);
        text += svgDefinitions();
        text += QStringLiteral("<g id='layer1'>");
        for (int k = 0; k < Rows * Cols; ++k)
            text += svgNote(k);
        text += QStringLiteral("</g></svg>");
        return text.toUtf8();
    }();
    return svg;
}

} // namespace zavolin::bench
