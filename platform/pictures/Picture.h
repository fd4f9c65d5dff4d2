#pragma once

#include <QByteArray>
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
    // Equal for pictures that draw the same, so that a document draws such a picture once and
    // places it again wherever it recurs; empty when not known, and then it is drawn each time.
    virtual QByteArray contentKey() const { return {}; }
};

} // namespace zavolin
