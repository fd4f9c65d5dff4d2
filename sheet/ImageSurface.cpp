#include "ImageSurface.h"

#include "platform/base/RuntimeError.h"
#include "platform/pictures/Picture.h"

#include <QPainter>

namespace zavolin {
namespace {

// Runs `draw` with a painter on the image; an empty image has nothing to draw on.
template <typename Draw>
void drawOn(QImage& image, Draw&& draw) {
    if (image.isNull())
        return;
    QPainter painter;
    if (!painter.begin(&image))
        raise(ErrNo::InternalError, QStringLiteral("The preview cannot be drawn on."));
    draw(painter);
    painter.end();
}

} // namespace

ImageSurface::ImageSurface(QSize size, qreal devicePixelRatio) {
    resize(size, devicePixelRatio);
}

void ImageSurface::line(double x1, double y1, double x2, double y2) {
    drawOn(m_image, [&](QPainter& painter) {
        painter.setPen(QPen(m_foreColor, 0));
        painter.drawLine(QLineF(x1, y1, x2, y2));
    });
}

void ImageSurface::paintPicture(const Picture& picture, double x, double y, double width,
                                double height) {
    drawOn(m_image, [&](QPainter& painter) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.draw(painter, QRectF(x, y, width, height));
    });
}

void ImageSurface::clear() {
    if (!m_image.isNull())
        m_image.fill(m_backColor);
}

void ImageSurface::resize(QSize size, qreal devicePixelRatio) {
    if (devicePixelRatio <= 0)
        devicePixelRatio = 1;
    if (m_size == size && m_devicePixelRatio == devicePixelRatio)
        return;
    QImage image;
    if (!size.isEmpty()) {
        image = QImage(size * devicePixelRatio, QImage::Format_RGB32);
        image.setDevicePixelRatio(devicePixelRatio);
        image.fill(m_backColor);
        if (!m_image.isNull() && !image.isNull()) {
            QPainter painter(&image);
            painter.drawImage(0, 0, m_image);
        }
    }
    // Without an image nothing is drawn and nothing measured.
    m_size = image.isNull() ? QSize() : size;
    m_image = std::move(image);
    m_devicePixelRatio = devicePixelRatio;
}

} // namespace zavolin
