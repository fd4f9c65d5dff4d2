#pragma once

#include <QRectF>
#include <QSizeF>

class QPainter;

namespace zavolin {

// A picture that can be drawn stretched into a rectangle: raster or vector.
class Picture {
public:
    virtual ~Picture() = default;
    // The picture's own size (pixels for a raster picture, the view box for a vector one).
    virtual QSizeF size() const = 0;
    virtual void draw(QPainter& painter, const QRectF& target) const = 0;
};

} // namespace zavolin
