#pragma once

#include "CutLineColour.h"
#include "platform/print/DrawingSurface.h"

#include <QColor>
#include <QImage>
#include <QSize>

namespace zavolin {

// A drawing surface on an image that measures in pixels: what the preview shows and what a
// PNG of the preview holds. Lines are drawn one pixel wide in the foreground colour, light grey
// unless set otherwise; clear() fills the image with the background colour, white.
// On a high-density screen the image holds devicePixelRatio device pixels per pixel measured,
// so pictures come out sharp; the measures stay in pixels of the given size.
class ImageSurface : public DrawingSurface {
public:
    explicit ImageSurface(QSize size = {}, qreal devicePixelRatio = 1);

    double scaleWidth() override { return m_size.width(); }
    double scaleHeight() override { return m_size.height(); }
    void line(double x1, double y1, double x2, double y2) override;
    void paintPicture(const Picture& picture, double x, double y, double width,
                      double height) override;

    // Erases everything drawn.
    void clear();
    // Brings the image to a new size or pixel ratio, keeping what was drawn at its place.
    void resize(QSize size, qreal devicePixelRatio = 1);

    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor& color) { m_foreColor = color; }
    QColor backColor() const { return m_backColor; }

    const QImage& image() const { return m_image; }

private:
    QImage m_image;
    QSize m_size;
    qreal m_devicePixelRatio = 1;
    QColor m_foreColor = CutLineGrey;
    QColor m_backColor{255, 255, 255};
};

} // namespace zavolin
