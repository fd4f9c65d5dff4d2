#pragma once

#include "platform/pictures/Picture.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRectF>
#include <future>
#include <memory>

class QSvgRenderer;

namespace zavolin {

class SvgParts;

// A vector picture: the part `source` (in view-box coordinates) of an SVG document. Several
// pictures may share one renderer, e.g. the cells of one picture set. The document's text is
// kept where it is known, so that parts of it can be made into documents of their own.
//
// On paper and in files (any paint engine but Qt's raster engine) it is drawn as vectors. On
// screen images it is drawn from a rendering at the target's pixel size, made once per size:
// a preview repaints the same notes again and again, and rendering SVG with its fine line
// work and text each time costs far more than copying the pixels.
class VectorPicture : public Picture {
public:
    // The whole view box.
    explicit VectorPicture(std::shared_ptr<QSvgRenderer> renderer, QByteArray document = {});
    VectorPicture(std::shared_ptr<QSvgRenderer> renderer, const QRectF& source,
                  QByteArray document = {});

    QSizeF size() const override;
    // Draws only what lies in the source part, stretched into the target.
    void draw(QPainter& painter, const QRectF& target) const override;
    // The document's digest and the source part where its text is known, else this object's
    // own number: a picture drawn again is then known as the same.
    QByteArray contentKey() const override;

    const std::shared_ptr<QSvgRenderer>& renderer() const { return m_renderer; }
    const QRectF& source() const { return m_source; }
    // The SVG (or compressed SVG) the renderer was loaded from; empty when not known.
    const QByteArray& document() const { return m_document; }
    // The reading of the document's cells, when it was started as the picture was loaded.
    const std::shared_future<std::shared_ptr<const SvgParts>>& cellsReading() const {
        return m_cellsReading;
    }
    void setCellsReading(std::shared_future<std::shared_ptr<const SvgParts>> reading) {
        m_cellsReading = std::move(reading);
    }

private:
    // Renders the source part so that it fills `target` on the painter's device.
    void render(QPainter& painter, const QRectF& target) const;
    // The source part rendered at the size, from the renderings kept, or made and kept; null
    // when there is no memory for it.
    const QImage* rendered(const QSize& size) const;

    quint64 m_serial;
    std::shared_ptr<QSvgRenderer> m_renderer;
    QRectF m_source;
    QByteArray m_document;
    std::shared_future<std::shared_ptr<const SvgParts>> m_cellsReading;
    // The latest renderings, most recent first: a page's notes differ by a pixel in size.
    mutable QList<QImage> m_rendered;
    mutable QByteArray m_contentKey;
};

} // namespace zavolin
