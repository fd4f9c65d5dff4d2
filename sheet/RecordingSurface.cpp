#include "RecordingSurface.h"

namespace zavolin {

RecordingSurface::RecordingSurface(double width, double height)
    : m_width(width)
    , m_height(height) {}

void RecordingSurface::line(double x1, double y1, double x2, double y2) {
    m_operations.append({Operation::Line, QLineF(x1, y1, x2, y2), {}, nullptr});
}

void RecordingSurface::paintPicture(const zavolin::Picture& picture, double x, double y,
                                    double width, double height) {
    m_operations.append({Operation::Picture, {}, QRectF(x, y, width, height), &picture});
}

QList<QLineF> RecordingSurface::lines() const {
    QList<QLineF> result;
    for (const Operation& op : m_operations)
        if (op.kind == Operation::Line)
            result.append(op.line);
    return result;
}

QList<RecordingSurface::Operation> RecordingSurface::pictures() const {
    QList<Operation> result;
    for (const Operation& op : m_operations)
        if (op.kind == Operation::Picture)
            result.append(op);
    return result;
}

} // namespace zavolin
