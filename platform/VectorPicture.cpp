#include "VectorPicture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace zavolin {

VectorPicture::VectorPicture(std::shared_ptr<QSvgRenderer> renderer, QByteArray document)
    : m_renderer(std::move(renderer))
    , m_source(m_renderer->viewBoxF())
    , m_document(std::move(document)) {}

VectorPicture::VectorPicture(std::shared_ptr<QSvgRenderer> renderer, const QRectF& source,
                             QByteArray document)
    : m_renderer(std::move(renderer))
    , m_source(source)
    , m_document(std::move(document)) {}

QSizeF VectorPicture::size() const {
    return m_source.size();
}

void VectorPicture::draw(QPainter& painter, const QRectF& target) const {
    if (m_source.isEmpty() || target.isEmpty())
        return;
    // Render the whole view box so large that the source part covers the target; the
    // renderer draws whatever lies outside its view box too, so the clip keeps the rest off.
    const QRectF box = m_renderer->viewBoxF();
    const double sx = target.width() / m_source.width();
    const double sy = target.height() / m_source.height();
    const QRectF bounds(target.x() - (m_source.x() - box.x()) * sx,
                        target.y() - (m_source.y() - box.y()) * sy, box.width() * sx,
                        box.height() * sy);
    painter.save();
    painter.setClipRect(target, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    m_renderer->render(&painter, bounds);
    painter.restore();
}

} // namespace zavolin
