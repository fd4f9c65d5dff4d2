#include "VectorPicture.h"

#include <QCryptographicHash>
#include <QPaintEngine>
#include <QPainter>
#include <QSvgRenderer>
#include <atomic>

namespace zavolin {
namespace {

// Renderings kept per picture, and the largest kept: beyond it (a huge zoom) drawing directly
// costs less memory than it saves time.
constexpr qsizetype KeptRenderings = 3;
constexpr qint64 MaxRenderedPixels = 4096 * 4096;

// Whether `painter` draws pixels on an image or widget with a transform that only moves and
// scales, so that a rendering can be copied onto it pixel for pixel.
bool drawsPixelsStraight(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster && !painter.viewTransformEnabled() &&
           painter.device()->devicePixelRatio() == 1 &&
           painter.worldTransform().type() <= QTransform::TxScale;
}

} // namespace

namespace {

quint64 nextSerial() {
    static std::atomic<quint64> serial{0};
    return ++serial;
}

} // namespace

VectorPicture::VectorPicture(std::shared_ptr<QSvgRenderer> renderer, QByteArray document)
    : m_serial(nextSerial())
    , m_renderer(std::move(renderer))
    , m_source(m_renderer->viewBoxF())
    , m_document(std::move(document)) {}

VectorPicture::VectorPicture(std::shared_ptr<QSvgRenderer> renderer, const QRectF& source,
                             QByteArray document)
    : m_serial(nextSerial())
    , m_renderer(std::move(renderer))
    , m_source(source)
    , m_document(std::move(document)) {}

QSizeF VectorPicture::size() const {
    return m_source.size();
}

void VectorPicture::draw(QPainter& painter, const QRectF& target) const {
    if (m_source.isEmpty() || target.isEmpty())
        return;
    if (drawsPixelsStraight(painter)) {
        // Whole pixels, edge by edge, so that notes stacked edge to edge neither overlap nor
        // leave a gap between them.
        const QRectF device = painter.worldTransform().mapRect(target);
        const QPoint topLeft(qRound(device.left()), qRound(device.top()));
        const QSize size(qRound(device.right()) - topLeft.x(),
                         qRound(device.bottom()) - topLeft.y());
        if (size.isEmpty())
            return;
        const QImage* image =
            qint64(size.width()) * size.height() <= MaxRenderedPixels ? rendered(size) : nullptr;
        if (image) {
            painter.save();
            painter.resetTransform();
            painter.drawImage(topLeft, *image);
            painter.restore();
            return;
        }
    }
    painter.save();
    // The renderer draws whatever lies outside its view box too: the clip keeps it off.
    painter.setClipRect(target, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    render(painter, target);
    painter.restore();
}

QByteArray VectorPicture::contentKey() const {
    // A renderer's address could be reused by another document once this one is gone: the
    // text itself tells two documents apart, else this object's own number, never reused.
    if (m_document.isEmpty())
        return "svg-object:" + QByteArray::number(m_serial);
    if (m_contentKey.isEmpty())
        m_contentKey =
            "svg:" + QCryptographicHash::hash(m_document, QCryptographicHash::Sha1).toHex() +
            QStringLiteral(":%1,%2,%3,%4")
                .arg(m_source.x(), 0, 'g', 17)
                .arg(m_source.y(), 0, 'g', 17)
                .arg(m_source.width(), 0, 'g', 17)
                .arg(m_source.height(), 0, 'g', 17)
                .toLatin1();
    return m_contentKey;
}

void VectorPicture::render(QPainter& painter, const QRectF& target) const {
    // The whole view box, so large that the source part covers the target.
    const QRectF box = m_renderer->viewBoxF();
    const double sx = target.width() / m_source.width();
    const double sy = target.height() / m_source.height();
    const QRectF bounds(target.x() - (m_source.x() - box.x()) * sx,
                        target.y() - (m_source.y() - box.y()) * sy, box.width() * sx,
                        box.height() * sy);
    m_renderer->render(&painter, bounds);
}

const QImage* VectorPicture::rendered(const QSize& size) const {
    for (qsizetype i = 0; i < m_rendered.size(); ++i)
        if (m_rendered[i].size() == size) {
            m_rendered.move(i, 0);
            return &m_rendered.first();
        }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) // no memory for it: drawn directly instead
        return nullptr;
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    // The image's edges cut off what lies outside the source part.
    render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    m_rendered.prepend(std::move(image));
    if (m_rendered.size() > KeptRenderings)
        m_rendered.removeLast();
    return &m_rendered.first();
}

} // namespace zavolin
