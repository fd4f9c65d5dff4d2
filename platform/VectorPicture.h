#pragma once

#include "Picture.h"

#include <QByteArray>
#include <QRectF>
#include <memory>

class QSvgRenderer;

namespace zavolin {

// A vector picture: the part `source` (in view-box coordinates) of an SVG document. Several
// pictures may share one renderer, e.g. the cells of one picture set. The document's text is
// kept where it is known, so that parts of it can be made into documents of their own.
class VectorPicture : public Picture {
public:
    // The whole view box.
    explicit VectorPicture(std::shared_ptr<QSvgRenderer> renderer, QByteArray document = {});
    VectorPicture(std::shared_ptr<QSvgRenderer> renderer, const QRectF& source,
                  QByteArray document = {});

    QSizeF size() const override;
    // Draws only what lies in the source part, stretched into the target.
    void draw(QPainter& painter, const QRectF& target) const override;

    const std::shared_ptr<QSvgRenderer>& renderer() const { return m_renderer; }
    const QRectF& source() const { return m_source; }
    // The SVG (or compressed SVG) the renderer was loaded from; empty when not known.
    const QByteArray& document() const { return m_document; }

private:
    std::shared_ptr<QSvgRenderer> m_renderer;
    QRectF m_source;
    QByteArray m_document;
};

} // namespace zavolin
