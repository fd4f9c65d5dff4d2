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

} // namespace zavolin
