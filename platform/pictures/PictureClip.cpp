#include "PictureClip.h"

#include "platform/base/RuntimeError.h"
#include "platform/pictures/PictureLoader.h"
#include "platform/pictures/RasterPicture.h"
#include "platform/pictures/SvgParts.h"
#include "platform/pictures/VectorPicture.h"

#include <QPainter>
#include <QSvgRenderer>
#include <atomic>

namespace zavolin {
namespace {

// Any other kind of picture: drawn whole, so large that its part covers the target, clipped
// to the target.
class CroppedPicture : public Picture {
public:
    CroppedPicture(std::shared_ptr<const Picture> whole, const QRectF& source)
        : m_whole(std::move(whole))
        , m_source(source)
        , m_serial(++s_serial) {}

    QSizeF size() const override { return m_source.size(); }

    QByteArray contentKey() const override {
        // A whole picture of unknown content: this cell is still the same each time it is drawn.
        const QByteArray whole = m_whole->contentKey();
        if (whole.isEmpty())
            return "cropped-object:" + QByteArray::number(m_serial);
        return whole + QStringLiteral("@%1,%2,%3,%4")
                           .arg(m_source.x(), 0, 'g', 17)
                           .arg(m_source.y(), 0, 'g', 17)
                           .arg(m_source.width(), 0, 'g', 17)
                           .arg(m_source.height(), 0, 'g', 17)
                           .toLatin1();
    }

    void draw(QPainter& painter, const QRectF& target) const override {
        if (m_source.isEmpty() || target.isEmpty())
            return;
        const QSizeF whole = m_whole->size();
        const double sx = target.width() / m_source.width();
        const double sy = target.height() / m_source.height();
        const QRectF bounds(target.x() - m_source.x() * sx, target.y() - m_source.y() * sy,
                            whole.width() * sx, whole.height() * sy);
        painter.save();
        painter.setClipRect(target, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
        m_whole->draw(painter, bounds);
        painter.restore();
    }

private:
    std::shared_ptr<const Picture> m_whole;
    QRectF m_source;
    // Never reused: an address could be, once this cell is gone.
    quint64 m_serial;
    static inline std::atomic<quint64> s_serial{0};
};

// Whole pixels, so that neighbouring raster cells share no pixel and leave none out.
QRect rasterCellRect(const QSize& size, int k) {
    const int row = k / PictureClip::Cols;
    const int col = k % PictureClip::Cols;
    const int left = col * size.width() / PictureClip::Cols;
    const int right = (col + 1) * size.width() / PictureClip::Cols;
    const int top = row * size.height() / PictureClip::Rows;
    const int bottom = (row + 1) * size.height() / PictureClip::Rows;
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

void PictureClip::setPicture(std::shared_ptr<const Picture> picture) {
    m_picture = std::move(picture);
    m_cells.fill(nullptr);
    const auto* vector = dynamic_cast<const VectorPicture*>(m_picture.get());
    const QByteArray document = vector ? vector->document() : QByteArray();
    // The same set created again (the program does so while starting) keeps its reading.
    if (document.isEmpty()) {
        m_svgDocument.clear();
        m_svgParts = {};
    } else if (document != m_svgDocument || !m_svgParts.valid()) {
        m_svgDocument = document;
        m_svgParts = vector->cellsReading().valid() ? vector->cellsReading()
                                                    : SvgParts::readInBackground(document);
    }
}

QRectF PictureClip::cellRect(const QSizeF& size, int k) {
    const double w = size.width() / Cols;
    const double h = size.height() / Rows;
    return QRectF((k % Cols) * w, (k / Cols) * h, w, h);
}

std::shared_ptr<const Picture> PictureClip::GraphicCell(qint32 k) const {
    if (k < 0 || k >= CellCount)
        raise(ErrNo::InvalidPropertyValue,
              QStringLiteral("Invalid property value: there is no picture cell %1 (0 to %2).")
                  .arg(k)
                  .arg(CellCount - 1));
    if (!m_picture)
        raise(ErrNo::InvalidPicture,
              QStringLiteral("Invalid picture: no picture set is loaded, so picture cell %1 "
                             "cannot be shown.")
                  .arg(k));
    auto& cell = m_cells[size_t(k)];
    if (!cell)
        cell = makeCell(k);
    return cell;
}

std::shared_ptr<const Picture> PictureClip::makeCell(int k) const {
    if (auto raster = dynamic_cast<const RasterPicture*>(m_picture.get()))
        return std::make_shared<RasterPicture>(
            raster->image().copy(rasterCellRect(raster->image().size(), k)));
    if (auto vector = dynamic_cast<const VectorPicture*>(m_picture.get())) {
        const QRectF cell =
            cellRect(vector->source().size(), k).translated(vector->source().topLeft());
        if (auto own = ownVectorCell(cell))
            return own;
        // The whole set's renderer, clipped to the cell: right on screen and paper, only
        // larger in a printed file.
        return std::make_shared<VectorPicture>(vector->renderer(), cell);
    }
    return std::make_shared<CroppedPicture>(m_picture, cellRect(m_picture->size(), k));
}

std::shared_ptr<const Picture> PictureClip::ownVectorCell(const QRectF& cell) const {
    if (!m_svgParts.valid())
        return nullptr;
    const std::shared_ptr<const SvgParts>& parts = m_svgParts.get();
    if (!parts)
        return nullptr;
    QByteArray document = parts->partDocument(cell);
    auto renderer = std::make_shared<QSvgRenderer>();
    if (!renderer->load(document) || !renderer->isValid())
        return nullptr;
    return std::make_shared<VectorPicture>(std::move(renderer), cell, std::move(document));
}

} // namespace zavolin
