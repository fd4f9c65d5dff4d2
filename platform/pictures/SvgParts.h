#pragma once

#include <QByteArray>
#include <QDomDocument>
#include <QDomElement>
#include <QHash>
#include <QRectF>
#include <QSet>
#include <future>
#include <memory>
#include <vector>

class QSvgRenderer;

namespace zavolin {

// An SVG document read once, so that the part of its drawing lying in a rectangle can be
// written out as a document of its own: the drawing elements whose bounds meet the rectangle,
// everything they use (definitions, style sheets, elements they reference), and the rectangle
// as its view box. A group reaching beyond the rectangle is opened and only its children that
// meet the rectangle are kept, so a picture set drawn as one group per cell, inside a layer or
// not, yields cell documents that hold only their own cell's artwork.
class SvgParts {
public:
    // Reads plain or gzip-compressed SVG. Returns null when the document cannot be read or
    // measured; the caller then has to draw the whole document under a clip.
    static std::unique_ptr<SvgParts> read(const QByteArray& svg);
    // read() on a thread of its own, for a document whose parts will be wanted soon: reading a
    // large set takes tens of milliseconds that the caller can spend on other work. The result
    // belongs to the application's main thread.
    static std::shared_future<std::shared_ptr<const SvgParts>>
    readInBackground(const QByteArray& svg);
    ~SvgParts();

    // The document showing `area`, given in the root's user coordinates (those of its view box).
    QByteArray partDocument(const QRectF& area) const;

    // One element of the drawing and where it lies.
    struct Part {
        QDomElement element;
        bool drawing = false;  // false: definitions, style, metadata: kept in every part
        bool measured = false; // false: where it lies is unknown, so it is kept in every part
        QRectF bounds;         // in the root's user coordinates
        bool opens = false;    // a group that may be cut down to its children
        std::vector<Part> children;
        bool childrenMeasured = false; // measured when the group is first opened
    };

private:
    SvgParts();
    // Measures the drawing elements of one level of the tree, from the one at `from`.
    void measure(std::vector<Part>& parts, size_t from = 0) const;
    void appendParts(QDomDocument& out, QDomElement& parent, std::vector<Part>& parts,
                     const QRectF& area) const;

    QDomDocument m_document;
    QDomElement m_root;
    // Children are measured only where a group has to be opened: measuring costs the renderer
    // a layout of every text, and a group lying in one cell is kept whole anyway.
    mutable std::vector<Part> m_parts;
    std::unique_ptr<QSvgRenderer> m_renderer; // of the document with every drawing's id
    QSet<QString> m_duplicateIds;             // not to be told apart by the renderer
    QHash<QString, QDomElement> m_byId;       // the first element of each id
};

} // namespace zavolin
