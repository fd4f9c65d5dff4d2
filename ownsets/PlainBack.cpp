#include "PlainBack.h"

#include <QFont>
#include <QPainter>
#include <QPen>

namespace zavolin {

QImage plainBack(const QString& value, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double unit = size.height() / 100.0;
    painter.setPen(QPen(QColor(150, 150, 150), 2 * unit));
    painter.drawRect(QRectF(image.rect()).adjusted(6 * unit, 6 * unit, -6 * unit, -6 * unit));
    QFont font;
    font.setBold(true);
    font.setPixelSize(qMax(1, int(45 * unit)));
    painter.setFont(font);
    painter.setPen(QColor(90, 90, 90));
    painter.drawText(image.rect(), Qt::AlignCenter, value);
    return image;
}

} // namespace zavolin
