#pragma once

#include "platform/print/DrawingSurface.h"

#include <QLineF>
#include <QList>
#include <QRectF>

namespace zavolin {

// A drawing surface of a fixed inner size that records what is drawn on it, in order, instead
// of drawing: for checking a page's geometry without a screen or a printer.
class RecordingSurface : public DrawingSurface {
public:
    struct Operation {
        enum Kind { Line, Picture } kind = Line;
        QLineF line;                               // Line: from p1 to p2
        QRectF rect;                               // Picture: the target rectangle
        const zavolin::Picture* picture = nullptr; // Picture: what was drawn
    };

    RecordingSurface(double width, double height);

    double scaleWidth() override { return m_width; }
    double scaleHeight() override { return m_height; }
    void line(double x1, double y1, double x2, double y2) override;
    void paintPicture(const zavolin::Picture& picture, double x, double y, double width,
                      double height) override;

    const QList<Operation>& operations() const { return m_operations; }
    QList<QLineF> lines() const;
    QList<Operation> pictures() const;
    void clear() { m_operations.clear(); }

private:
    double m_width;
    double m_height;
    QList<Operation> m_operations;
};

} // namespace zavolin
