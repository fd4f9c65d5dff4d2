#pragma once

#include "platform/pictures/Picture.h"

#include <QByteArray>
#include <QRectF>
#include <array>
#include <future>
#include <memory>

namespace zavolin {

class SvgParts;
class VectorPicture;

// Holds one picture set and hands out the cells of its grid of 10 rows by 2 columns, numbered
// row by row from 0, each as a picture that draws only that cell. A cell is made the first
// time it is asked for and then reused: a raster cell keeps its own image, so that printing it
// again embeds it only once; a vector cell stays vector and, where the set's SVG text is known,
// is a document of its own holding only the artwork that lies in the cell, so that a printed
// page carries each note's artwork and not the whole set's once per note.
class PictureClip {
public:
    static constexpr int Rows = 10;
    static constexpr int Cols = 2;
    static constexpr int CellCount = Rows * Cols;

    // Replaces the picture set; the cells of the previous one are forgotten. A vector set's
    // document starts being read for its cells at once, unless it is the one read already.
    void setPicture(std::shared_ptr<const Picture> picture);
    const std::shared_ptr<const Picture>& picture() const { return m_picture; }

    // Cell k. Raises InvalidPropertyValue for k outside 0..19 and InvalidPicture when no
    // picture set is held.
    std::shared_ptr<const Picture> GraphicCell(qint32 k) const;

    // Cell k's part of a picture of the given size, in its own coordinates.
    static QRectF cellRect(const QSizeF& size, int k);

private:
    std::shared_ptr<const Picture> makeCell(int k) const;
    // Cell `cell` of the vector set as a document of its own; null when the set's SVG text is
    // unknown or cannot be split.
    std::shared_ptr<const Picture> ownVectorCell(const QRectF& cell) const;

    std::shared_ptr<const Picture> m_picture;
    mutable std::array<std::shared_ptr<const Picture>, CellCount> m_cells;
    // A vector set's document and its reading, which the first vector cell waits for.
    QByteArray m_svgDocument;
    std::shared_future<std::shared_ptr<const SvgParts>> m_svgParts;
};

} // namespace zavolin
