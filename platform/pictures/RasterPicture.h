#pragma once

#include "platform/pictures/Picture.h"

#include <QImage>

namespace zavolin {

// A raster picture. Drawing the same object again draws the same QImage, so the PDF engine
// embeds it only once per page.
class RasterPicture : public Picture {
public:
    explicit RasterPicture(QImage image);

    QSizeF size() const override;
    void draw(QPainter& painter, const QRectF& target) const override;
    QByteArray contentKey() const override;

    const QImage& image() const { return m_image; }

private:
    QImage m_image;
};

} // namespace zavolin
