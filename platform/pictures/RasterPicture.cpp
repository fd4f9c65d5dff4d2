#include "RasterPicture.h"

#include <QPainter>

namespace zavolin {

RasterPicture::RasterPicture(QImage image)
    : m_image(std::move(image)) {}

QSizeF RasterPicture::size() const {
    return QSizeF(m_image.size());
}

void RasterPicture::draw(QPainter& painter, const QRectF& target) const {
    painter.drawImage(target, m_image);
}

QByteArray RasterPicture::contentKey() const {
    // Qt gives each image's pixels a key of their own, shared by copies of the same pixels.
    return "raster:" + QByteArray::number(m_image.cacheKey());
}

} // namespace zavolin
