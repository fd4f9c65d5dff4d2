#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <memory>

class QBuffer;
class QPainter;
class QPdfWriter;

namespace zavolin {

class Picture;

// A PDF document that draws each distinct picture once, however often it is placed.
//
// Qt draws every new picture onto a page of its own in one PDF kept in memory, so fonts and
// images are embedded once by Qt itself. write() turns each of those pages into a form
// XObject, keeping Qt's compressed content as it is, and places it into the rectangles it was
// given on the document's own pages, whose content (cut lines, placements) is written here.
// Pages with the same body share one content stream; a page's own pictures (its footnote) go
// into a small stream of its own. Pictures whose contentKey() is empty are never shared.
//
// Positions are millimetres on the paper from its top left.
class SharedPdfDocument {
public:
    // Qt draws the pictures at this many device units per inch.
    explicit SharedPdfDocument(int resolution);
    ~SharedPdfDocument();
    SharedPdfDocument(const SharedPdfDocument&) = delete;
    SharedPdfDocument& operator=(const SharedPdfDocument&) = delete;

    // Starts a page of the paper's size; nothing outside the clip reaches it.
    void beginPage(const QPageSize& paper, const QRectF& clipMillimetres);
    // A straight line with a square cap.
    void line(const QPointF& from, const QPointF& to, const QColor& color, double widthMillimetres);
    // The picture drawn into target, in the units toPaper maps to millimetres on the paper:
    // the picture is asked to draw in those units. footnote() places it in the page's own
    // content.
    void picture(const Picture& picture, const QRectF& target, const QTransform& toPaper);
    void footnote(const Picture& picture, const QRectF& target, const QTransform& toPaper);

    int pageCount() const { return int(m_pages.size()); }
    // Writes the finished document; the document cannot take more pages afterwards. Raises
    // PrinterError, naming the file, when it cannot be written.
    void write(const QString& path, const QString& title, const QString& creator);

private:
    // A picture drawn by Qt: its page there and the rectangle it was drawn into (points,
    // from the page's top left).
    struct Form {
        int qtPage = 0;
        QRectF drawnPoints;
    };
    struct Page {
        QSizeF sizePoints;
        int body = 0; // index into m_bodies
        QByteArray own;
        QList<int> forms; // used by body and own content
    };
    // The content lines and placements of the page being drawn.
    struct Content {
        QByteArray ops;
        QList<int> forms;
    };

    int formFor(const Picture& picture, const QRectF& target, const QTransform& toPaper);
    void place(Content& content, const Picture& picture, const QRectF& target,
               const QTransform& toPaper);
    // Stores the page being drawn, sharing its body with an equal earlier one.
    void finishPage();
    QPointF toPoints(const QPointF& millimetres) const;
    // Raises InternalError when no page is open.
    void requirePage() const;

    int m_resolution;
    std::unique_ptr<QBuffer> m_qtBuffer;
    std::unique_ptr<QPdfWriter> m_qtWriter;
    std::unique_ptr<QPainter> m_qtPainter;
    int m_qtPages = 0;
    QList<Form> m_forms;
    QHash<QByteArray, int> m_formByKey;

    bool m_pageOpen = false;
    bool m_written = false;
    QPageSize m_paper;
    QSizeF m_pageSizePoints;
    Content m_body;
    Content m_own;
    QList<Page> m_pages;
    QList<QByteArray> m_bodies;
    QHash<QByteArray, int> m_bodyIndex;
};

} // namespace zavolin
